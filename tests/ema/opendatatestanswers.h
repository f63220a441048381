// Builders of OpenData answers in AEMET's own layout ("key" : value), for tests.
#pragma once

#include "text/format.h"

#include <string>
#include <vector>

namespace brisalta::test {

// Observation time of hour h counted from 2021-01-08 00 UTC ("2021-01-09T02:00:00" for 26).
inline std::string fintAt(int h) {
    return text::format("2021-01-%02dT%02d:00:00", 8 + h / 24, h % 24);
}

// One hourly record: idema, fint, the given fields, and a closing field as in
// real answers, so that every value ends with its comma.
inline std::string record(const std::string& fint, const std::vector<std::string>& fields = {}) {
    std::string r =
        "{\n  \"idema\" : \"3195\",\n  \"lon\" : -3.678095,\n  \"fint\" : \"" + fint + "\",\n";
    for (const std::string& field : fields) {
        r += "  " + field + ",\n";
    }
    return r + "  \"rviento\" : 0.0\n}";
}

inline std::string answer(const std::vector<std::string>& records) {
    std::string a = "[ ";
    for (std::size_t i = 0; i < records.size(); ++i) {
        a += (i == 0 ? "" : ", ") + records[i];
    }
    return a + " ]";
}

// n records, one per hour from `firstHour`, each with the given fields.
inline std::string hourly(int firstHour, int n, const std::vector<std::string>& fields = {}) {
    std::vector<std::string> records;
    for (int i = 0; i < n; ++i) {
        records.push_back(record(fintAt(firstHour + i), fields));
    }
    return answer(records);
}

} // namespace brisalta::test
