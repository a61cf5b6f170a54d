// Reads a CSV file back with Python's csv module (strict RFC 4180 reading,
// UTF-8), so the tests check the files against a reader the program did
// not write.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace farmtest {

using CsvRows = std::vector<std::vector<std::string>>;

inline CsvRows readCsvWithPython(const std::filesystem::path& file) {
    // The system interpreter: the first python3 on PATH may be another one.
    const std::string command =
        "/usr/bin/python3 -c 'import csv, json, sys\n"
        "with open(sys.argv[1], newline=\"\", encoding=\"utf-8\", errors=\"strict\") as f:\n"
        "    print(json.dumps(list(csv.reader(f, strict=True))))' '" +
        file.string() + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buf[65536];
    for (std::size_t n; pipe && (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    if (pipe) pclose(pipe);
    CsvRows rows;
    const QJsonArray records = QJsonDocument::fromJson(QByteArray::fromStdString(out)).array();
    for (const auto& record : records) {
        std::vector<std::string> fields;
        for (const auto& field : record.toArray()) fields.push_back(field.toString().toStdString());
        rows.push_back(std::move(fields));
    }
    return rows;
}

}  // namespace farmtest
