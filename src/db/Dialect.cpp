#include "db/Dialect.h"

#include <cctype>
#include <cstdio>

namespace db {

std::string quoteText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char ch : text) {
        out += ch;
        if (ch == '\'') out += '\'';
    }
    return out;
}

namespace {

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Reads "#m/d/y#" at pos; on success sets end to the index after the closing '#'.
bool readDateLiteral(const std::string& s, std::size_t pos, unsigned& m, unsigned& d, unsigned& y,
                     std::size_t& end) {
    std::size_t close = s.find('#', pos + 1);
    if (close == std::string::npos) return false;
    std::string body = s.substr(pos + 1, close - pos - 1);
    char tail = 0;
    if (std::sscanf(body.c_str(), "%u/%u/%u%c", &m, &d, &y, &tail) != 3) return false;
    for (char c : body)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '/') return false;
    std::size_t yearDigits = body.size() - body.find_last_of('/') - 1;
    if (yearDigits <= 2) y += 1900;  // two-digit years are of the 1900s
    end = close + 1;
    return true;
}

std::string engineDate(unsigned m, unsigned d, unsigned y, Engine engine) {
    char buf[64];
    // The SQLite driver stores a bound timestamp with ".000"; the literal must match it.
    if (engine == Engine::PostgreSQL)
        std::snprintf(buf, sizeof buf, "TIMESTAMP '%04u-%02u-%02u 00:00:00'", y, m, d);
    else
        std::snprintf(buf, sizeof buf, "'%04u-%02u-%02u 00:00:00.000'", y, m, d);
    return buf;
}

}  // namespace

std::string toEngineSql(const std::string& sql, Engine engine) {
    std::string out;
    out.reserve(sql.size() + 16);
    std::size_t i = 0;
    while (i < sql.size()) {
        char c = sql[i];
        if (c == '\'' || c == '"') {
            std::size_t close = i + 1;
            for (;;) {
                close = sql.find(c, close);
                if (close == std::string::npos) { close = sql.size(); break; }
                if (close + 1 < sql.size() && sql[close + 1] == c) { close += 2; continue; }
                ++close;
                break;
            }
            out.append(sql, i, close - i);
            i = close;
            continue;
        }
        if (c == '#') {
            unsigned m, d, y;
            std::size_t end;
            if (readDateLiteral(sql, i, m, d, y, end)) {
                out += engineDate(m, d, y, engine);
                i = end;
                continue;
            }
        }
        if (c == '[') {
            std::size_t close = sql.find(']', i);
            if (close != std::string::npos) {
                out += '"';
                out.append(sql, i + 1, close - i - 1);
                out += '"';
                i = close + 1;
                continue;
            }
        }
        if (c == 'Y' && sql.compare(i, 3, "YES") == 0 && (i == 0 || !isWordChar(sql[i - 1])) &&
            (i + 3 >= sql.size() || !isWordChar(sql[i + 3]))) {
            out += "TRUE";
            i += 3;
            continue;
        }
        if (isWordChar(c)) {  // copy whole words so "YES" inside a name stays
            std::size_t end = i;
            while (end < sql.size() && isWordChar(sql[end])) ++end;
            out.append(sql, i, end - i);
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace db
