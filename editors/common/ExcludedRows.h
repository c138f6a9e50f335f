#pragma once
// Leaves rows of a variable list out of the requests made while it lives: it
// saves every row's access flags, replaces a row's flags by the excluded flag
// alone on exclude(), and puts all saved flags back when it ends (also when
// the request in between throws).
#include <cstdint>
#include <vector>

class NvSNMPVarList;

class ExcludedRows {
public:
    explicit ExcludedRows(NvSNMPVarList& list);
    ~ExcludedRows();
    ExcludedRows(const ExcludedRows&) = delete;
    ExcludedRows& operator=(const ExcludedRows&) = delete;

    void exclude(int row);
    void exclude(int first, int last);
    // Gives the row its saved flags back.
    void include(int row);

private:
    NvSNMPVarList& m_list;
    std::vector<int32_t> m_saved;
};
