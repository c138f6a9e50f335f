#include "fuzz/FuzzFile.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

FuzzFile::FuzzFile(const std::string& content)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/hv720-fuzz.XXXXXX";
    std::vector<char> name(templ.begin(), templ.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        std::abort();
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n <= 0)
            std::abort();
        done += static_cast<size_t>(n);
    }
    close(fd);
    m_path = name.data();
}

FuzzFile::~FuzzFile()
{
    unlink(m_path.c_str());
}
