#pragma once

namespace calvora {

/// Gives a setting a temporary value and restores the old one however the
/// scope ends (the searches run the schedule under their own settings).
template <typename T>
class SettingScope {
public:
    SettingScope(T& setting, T value)
        : m_setting(setting)
        , m_saved(setting) {
        m_setting = value;
    }
    ~SettingScope() { m_setting = m_saved; }
    SettingScope(const SettingScope&) = delete;
    SettingScope& operator=(const SettingScope&) = delete;

private:
    T& m_setting;
    T m_saved;
};

} // namespace calvora
