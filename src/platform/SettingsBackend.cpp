#include "platform/SettingsBackend.h"

#include <QSettings>

namespace platform {

struct SettingsBackend::Impl {
    QSettings s{QSettings::NativeFormat, QSettings::UserScope,
                QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Reedmere")};
};

SettingsBackend::SettingsBackend() : d_(std::make_unique<Impl>()) {}
SettingsBackend::~SettingsBackend() { d_->s.sync(); }

namespace {
QString keyOf(const std::string& key) { return QStringLiteral("Settings/") + QString::fromStdString(key); }
}

std::optional<int> SettingsBackend::readInt(const std::string& key) const {
    QVariant v = d_->s.value(keyOf(key));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    int n = v.toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

std::optional<std::string> SettingsBackend::readText(const std::string& key) const {
    QVariant v = d_->s.value(keyOf(key));
    if (!v.isValid()) return std::nullopt;
    return v.toString().toStdString();
}

void SettingsBackend::writeInt(const std::string& key, int value) { d_->s.setValue(keyOf(key), value); }
void SettingsBackend::writeText(const std::string& key, const std::string& value) {
    d_->s.setValue(keyOf(key), QString::fromStdString(value));
}
void SettingsBackend::sync() { d_->s.sync(); }
std::string SettingsBackend::fileName() const { return d_->s.fileName().toStdString(); }

}  // namespace platform
