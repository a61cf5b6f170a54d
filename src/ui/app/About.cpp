#include "ui/app/About.h"

#include "AppInfo.h"
#include "core/InterfaceText.h"

namespace app {

std::string aboutText(const core::Settings& settings, const db::DataSourceChoice& source) {
    const int language = settings.Default_language;
    auto line = [language](const char* label, const std::string& value) {
        return core::pick(label, language) + " " + value + "\n";
    };
    const std::string database =
        source.embedded ? core::pick("file|файл|", language) + " " + source.file.string()
                        : core::pick("ODBC data source|источник данных ODBC|", language) + " " + source.name;
    return core::interfaceText(core::kTextCaption, core::English) + "\n\n" +
           line("Version|Версия|", REEDMERE_VERSION) +
           line("Data folder:|Папка данных:|", db::shippedDataDir().string()) +
           line("Database:|База данных:|", database) +
           line("Work directory:|Рабочий каталог:|", settings.Application_path) +
           line("Licence:|Лицензия:|", REEDMERE_LICENSE_NAME);
}

}  // namespace app
