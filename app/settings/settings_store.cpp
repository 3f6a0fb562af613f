#include "app/settings/settings_store.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace trazor {

namespace {

    QString PathOf(const SettingKey& key)
    {
        return QString::fromUtf8(key.section.data(), static_cast<qsizetype>(key.section.size())) + u'/'
            + QString::fromUtf8(key.key.data(), static_cast<qsizetype>(key.key.size()));
    }

    std::optional<std::string> StoredText(QSettings& store, const SettingKey& key)
    {
        const QVariant value = store.value(PathOf(key));
        if (!value.isValid())
            return std::nullopt;
        // A hand-written value with an unquoted comma comes back from QSettings as a list.
        const QString text
            = value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
        return text.toStdString();
    }

    bool IsOneOf(const SettingKey& key, std::initializer_list<SettingField> fields)
    {
        for (const SettingField& field : fields)
            if (key.field == field)
                return true;
        return false;
    }

    using V = SettingsValues;

    bool IsWindowPlacement(const SettingKey& key)
    {
        return IsOneOf(key, { &V::MainLeft, &V::MainTop, &V::MainWidth, &V::MainHeight });
    }

    bool IsRecentFile(const SettingKey& key)
    {
        return IsOneOf(
            key, { &V::RecentFile1, &V::RecentFile2, &V::RecentFile3, &V::RecentFile4, &V::RecentFile5 });
    }

    // The user's store: organisation and application "Trazor".
    class UserStore : public QSettings {
    public:
        UserStore()
            : QSettings(QSettings::IniFormat, QSettings::UserScope, "Trazor", "Trazor")
        {
        }
    };

} // namespace

StoredSettings ReadSettings(QSettings& store, const std::string& programFolder)
{
    return ReadSettingsValues([&](const SettingKey& key) { return StoredText(store, key); }, programFolder);
}

StoredSettings ReadUserSettings(const std::string& programFolder)
{
    UserStore store;
    return ReadSettings(store, programFolder);
}

bool WriteSettings(QSettings& store, const SettingsValues& values, bool windowPlacement)
{
    for (const SettingKey& key : AllSettingKeys()) {
        if (!windowPlacement && IsWindowPlacement(key))
            continue;
        const std::string text = SettingText(values, key);
        if (text.empty() && IsRecentFile(key))
            continue;
        store.setValue(PathOf(key), QString::fromStdString(text));
    }
    store.sync();
    return store.status() == QSettings::NoError;
}

bool WriteUserSettings(const SettingsValues& values, bool windowPlacement)
{
    UserStore store;
    return WriteSettings(store, values, windowPlacement);
}

} // namespace trazor
