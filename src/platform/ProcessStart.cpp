#include "platform/ProcessStart.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace platform {

std::vector<std::string> splitCommandLine(const std::string& s) {
    std::vector<std::string> args;
    std::string cur;
    bool inArg = false;
    char quote = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (quote) {
            if (c == quote) quote = 0;
            else if (c == '\\' && quote == '"' && i + 1 < s.size() &&
                     (s[i + 1] == '"' || s[i + 1] == '\\' || s[i + 1] == '$' || s[i + 1] == '`'))
                cur += s[++i];
            else cur += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inArg = true;
        } else if (c == '\\' && i + 1 < s.size()) {
            cur += s[++i];
            inArg = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inArg) args.push_back(cur);
            cur.clear();
            inArg = false;
        } else {
            cur += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(cur);
    return args;
}

bool startDetached(const std::string& commandLine) {
    std::vector<std::string> args = splitCommandLine(commandLine);
    if (args.empty()) return false;
    QStringList rest;
    for (std::size_t i = 1; i < args.size(); ++i) rest << QString::fromStdString(args[i]);
    return QProcess::startDetached(QString::fromStdString(args[0]), rest);
}

}  // namespace platform
