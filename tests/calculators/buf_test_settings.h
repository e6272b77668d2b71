#pragma once

#include "persistence/app_info_xml.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>

namespace calvora::testing {

/// 11 December 2026 as a day number: the assumed loan date rule (first of the
/// next month) then gives 1 January 2027.
inline constexpr TDateTime kBufferTestToday = 46367;

/// A settings file in a fresh temporary folder (removed with the test), with
/// United States regional forms and a fixed today; Reopen() reads it anew.
class TBufferSettings {
public:
    TBufferSettings() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "calvora-buffers-XXXXXX").string();
        m_folder = std::filesystem::path(mkdtemp(pattern.data())) / "";
        Reopen();
    }
    ~TBufferSettings() {
        m_settings.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    TBufferSettings(const TBufferSettings&) = delete;
    TBufferSettings& operator=(const TBufferSettings&) = delete;

    TAppInfoXML& operator*() { return *m_settings; }
    TAppInfoXML* operator->() { return m_settings.get(); }

    void Reopen() {
        m_settings.reset();
        TAppInfoEnvironment environment;
        environment.AppFolder = m_folder;
        environment.Regional = TRegionalSettings::UnitedStates();
        environment.Today = kBufferTestToday;
        m_settings = std::make_unique<TAppInfoXML>(environment);
    }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<TAppInfoXML> m_settings;
};

/// A label column starting `labelColumn` characters from the left and a value
/// ending before `valueEnd`, as the plain-text report shows a value line.
inline std::string ReportRow(const std::string& label, const std::string& value,
                             std::size_t labelColumn = 27, std::size_t valueEnd = 75) {
    return std::string(labelColumn, ' ') + label +
           std::string(valueEnd - labelColumn - label.size() - value.size(), ' ') + value + "\n";
}

/// The Calc step of a window: hand over the values, calculate, read them back.
template <class Buf>
typename Buf::TransferRec CalcAndShow(Buf& buffer, const typename Buf::TransferRec& entered) {
    buffer.SetTransfer(entered);
    buffer.Calculate();
    typename Buf::TransferRec shown;
    buffer.GetTransfer(shown);
    return shown;
}

/// A stored key and the number it must hold.
struct TStoredKey {
    const char* Name;
    Extended Value;
};

/// Checks every key of a section as the settings file holds it.
inline void ExpectStoredKeys(const TAppInfoXML& settings, std::string_view section,
                             std::initializer_list<TStoredKey> keys) {
    for (const TStoredKey& key : keys)
        EXPECT_EQ(settings.ReadFloat(section, key.Name, -1), key.Value)
            << section << "/" << key.Name;
}

} // namespace calvora::testing
