#pragma once

#include "finance/financial_types.h"
#include "persistence/app_info_fields.h"
#include "persistence/regional_settings.h"
#include "persistence/system_owner.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace calvora {

/// A window's position and size in pixels.
struct TBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;

    bool operator==(const TBounds&) const = default;
};

/// What the settings store needs from its surroundings.
struct TAppInfoEnvironment {
    /// The application folder; the settings file is this folder + "Calvora.xml".
    std::filesystem::path AppFolder;
    /// Decimal separator of stored floats and the short date format of stored dates.
    TRegionalSettings Regional;
    /// Registered owner and organization, asked at first start; none: empty.
    const ISystemOwner* Owner = nullptr;
    /// Today's day number for the assumed start date; 0 takes the system date.
    TDateTime Today = 0;
};

/// The per-user settings file: an XML document with the root "Calvora", two
/// root-level values and one element per section holding one element per key.
/// Every changed non-empty write saves the whole file at once (atomically: a
/// temporary file beside it is flushed and renamed over it). Files are written in
/// UTF-8; files of the old program declared windows-1252 and are read as such.
class TAppInfoXML {
public:
    /// Opens or creates the settings of env.AppFolder. A file that is not
    /// well-formed XML is kept beside it as "Calvora.xml.damaged" (or a numbered
    /// variant), the settings start from their defaults and LoadProblem() says so
    /// (also on stderr); a loaded value that does not convert keeps its default and
    /// is reported the same way. Runs the first-start steps when RunTimes is 0.
    explicit TAppInfoXML(TAppInfoEnvironment environment);
    ~TAppInfoXML();
    TAppInfoXML(const TAppInfoXML&) = delete;
    TAppInfoXML& operator=(const TAppInfoXML&) = delete;

    /// Text of a key; `defaultValue` when the section or key is missing or empty.
    /// With rootLevel the key is looked up directly under the root (section ignored).
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue, bool rootLevel = false) const;
    /// Decimal integer of a key; raises EConvertError on text that is no integer.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue, bool rootLevel = false) const;
    /// Switch of a key: an integer whose low byte is non-zero is on.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue,
                  bool rootLevel = false) const;
    /// Float of a key, regional decimal separator; raises EConvertError.
    Extended ReadFloat(std::string_view section, std::string_view key, Extended defaultValue,
                       bool rootLevel = false) const;

    /// Stores a text when it differs from the stored one (missing counts as empty),
    /// creating section and key as last children; saves the file unless the value
    /// is empty. A failed save keeps the old file, leaves Unsaved() set (the next
    /// save retries) and is told by SaveProblem(); it never throws.
    void WriteString(std::string_view section, std::string_view key, std::string_view value,
                     bool rootLevel = false);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value,
                      bool rootLevel = false);
    /// Written as 0 or 1.
    void WriteBool(std::string_view section, std::string_view key, bool value,
                   bool rootLevel = false);
    /// Shortest form with up to 15 significant digits and the regional decimal separator.
    void WriteFloat(std::string_view section, std::string_view key, Extended value,
                    bool rootLevel = false);

    /// Reads "Left", "Top", "width", "Height" of a section with `current` as defaults;
    /// a Left beyond screenWidth - 50 or negative becomes 20, the same for Top.
    TBounds ReadBounds(std::string_view section, const TBounds& current, std::int32_t screenWidth,
                       std::int32_t screenHeight) const;
    /// Writes the bounds; a negative Left or Top is written as 1.
    void WriteBounds(std::string_view section, const TBounds& bounds);

    /// The loaded fields (read once at start, kept up to date by Set).
    const TAppInfoFields& Fields() const { return m_fields; }
    /// Stores a loaded field and writes its key, only when the value differs.
    template <class T>
    void Set(const TAppInfoKey<T>& key, const std::type_identity_t<T>& value);

    /// The date every calculator takes as its loan or start date.
    TDateTime AssumedStartDate() const { return m_assumedStartDate; }
    /// Held in memory only; the dialog stores the rule or fixed date through Set.
    void SetAssumedStartDate(TDateTime date) { m_assumedStartDate = date; }
    /// The start-date rule applied to a day: 0 that day, 1 the next day, 2 the first
    /// of its month, 3 the first of the next month; other rules give the day itself.
    static TDateTime AssumedStartDateByRule(std::int32_t rule, TDateTime today);

    /// Writes RunTimes as the value read at start + 1 (called once at exit).
    void WriteRunTimesAtExit();
    /// RunTimes as read at start.
    std::int32_t RunTimes() const { return m_runTimes; }
    std::string ProgramVersion() const;

    const std::filesystem::path& AppFolder() const { return m_appFolder; }
    const std::filesystem::path& SettingsFileName() const { return m_fileName; }
    /// The application folder + "Data/" when that folder exists, else the
    /// application folder (with a trailing separator).
    std::string DefaultDataPath() const;
    /// True when no settings file existed at start (or it was damaged).
    bool IsNewFile() const { return m_newFile; }
    /// True while a change waits for a save (after an empty write).
    bool Unsaved() const { return m_unsaved; }
    /// Empty, or the message to show when the file could not be loaded.
    const std::string& LoadProblem() const { return m_loadProblem; }
    /// Empty, or why the last save failed (also written on stderr).
    const std::string& SaveProblem() const { return m_saveProblem; }
    const TRegionalSettings& Regional() const { return m_regional; }

private:
    struct TDocument;

    void LoadFile();
    void CreateRoot();
    void LoadFields();
    void FirstStart(const ISystemOwner* owner);
    void Save();
    template <class T>
    void LoadField(const TAppInfoKey<T>& key);
    template <class T>
    T ReadTyped(std::string_view section, std::string_view key, const T& defaultValue) const;
    template <class T>
    std::string EncodeValue(const T& value) const;

    std::filesystem::path m_appFolder;
    std::filesystem::path m_fileName;
    TRegionalSettings m_regional;
    TDateTime m_today = 0;
    std::unique_ptr<TDocument> m_document;
    TAppInfoFields m_fields;
    TDateTime m_assumedStartDate = 0;
    std::int32_t m_runTimes = 0;
    bool m_newFile = true;
    bool m_unsaved = false;
    std::string m_loadProblem;
    std::string m_saveProblem;
};

} // namespace calvora
