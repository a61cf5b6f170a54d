#include "db/ShowErrors.h"

#include "db/Odbc.h"

namespace db {

void showingDbErrors(platform::Prompter& prompter, const std::function<void()>& write) {
    try {
        write();
    } catch (const DbError& e) {
        prompter.tell(e.what(), platform::MessageKind::Error);
    }
}

}  // namespace db
