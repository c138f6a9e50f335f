#include "snmp/NvDateTime.h"

#include <QDateTime>

#include <cstdio>

NvDateTime::NvDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    year = static_cast<uint16_t>(now.date().year());
    month = static_cast<uint8_t>(now.date().month());
    day = static_cast<uint8_t>(now.date().day());
    hour = static_cast<uint8_t>(now.time().hour());
    minutes = static_cast<uint8_t>(now.time().minute());
    seconds = static_cast<uint8_t>(now.time().second());
}

NvDateTime::NvDateTime(const std::string& text)
{
    int v[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    const char* s = text.c_str();
    if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7],
                    &v[8])
        == 9) {
        direction = '+';
    } else {
        int w[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
        if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6],
                        &w[7], &w[8])
            == 9) {
            direction = '-';
            std::copy(std::begin(w), std::end(w), std::begin(v));
        } else {
            std::fill(std::begin(v), std::end(v), 0);
            std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]);
            direction = '+';
        }
    }
    year = static_cast<uint16_t>(v[0]);
    month = static_cast<uint8_t>(v[1]);
    day = static_cast<uint8_t>(v[2]);
    hour = static_cast<uint8_t>(v[3]);
    minutes = static_cast<uint8_t>(v[4]);
    seconds = static_cast<uint8_t>(v[5]);
    deciSeconds = static_cast<uint8_t>(v[6]);
    offsetHours = static_cast<uint8_t>(v[7]);
    offsetMinutes = static_cast<uint8_t>(v[8]);
}

NvDateTime NvDateTime::fromOctets(const std::string& octets)
{
    NvDateTime dt{Zero{}};
    unsigned char o[11] = {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0};
    for (size_t i = 0; i < octets.size() && i < 11; ++i)
        o[i] = static_cast<unsigned char>(octets[i]);
    dt.year = static_cast<uint16_t>((o[0] << 8) | o[1]);
    dt.month = o[2];
    dt.day = o[3];
    dt.hour = o[4];
    dt.minutes = o[5];
    dt.seconds = o[6];
    dt.deciSeconds = o[7];
    dt.direction = static_cast<char>(o[8]);
    dt.offsetHours = o[9];
    dt.offsetMinutes = o[10];
    return dt;
}

std::string NvDateTime::toOctets() const
{
    const unsigned char o[11] = {static_cast<unsigned char>(year >> 8),
                                 static_cast<unsigned char>(year & 0xFF),
                                 month,
                                 day,
                                 hour,
                                 minutes,
                                 seconds,
                                 deciSeconds,
                                 static_cast<unsigned char>(direction),
                                 offsetHours,
                                 offsetMinutes};
    return std::string(reinterpret_cast<const char*>(o), sizeof o);
}

std::string NvDateTime::toText() const
{
    char buf[96];
    int n = std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds,
                          deciSeconds);
    if ((offsetHours != 0 || offsetMinutes != 0) && (direction == '+' || direction == '-'))
        std::snprintf(buf + n, sizeof buf - static_cast<size_t>(n), ",%c%d:%d", direction, offsetHours,
                      offsetMinutes);
    return buf;
}
