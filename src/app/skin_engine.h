#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>

// A skin file ("*.skn") is a small text file of our own:
//
//     ; comment lines start with ";" or "#"
//     [Skin]
//     Name=Graphite                 the name shown to the user
//     FaceColor=#2f343b             the face colour grids and memos paint with
//     Window=#262a30                optional palette roles: Window, WindowText, Base,
//     Text=#e8eaed                  AlternateBase, Text, Button, ButtonText, Highlight,
//     ...                           HighlightedText, ToolTipBase, ToolTipText, Link
//     [StyleSheet]
//     QWidget { ... }               a Qt style sheet, to the end of the file
//
// A preview picture may sit beside it with the same name and the extension ".jpg".
struct SkinData {
    QString name;
    QColor faceColor;
    QPalette palette;
    bool hasPalette = false;
    QString styleSheet;
};

// The process-wide skin engine: loads a skin file, switches skinning on and off and
// applies the skin to every window of the application (palette and style sheet).
class TSkinEngine {
public:
    TSkinEngine();

    // Parses the text of a skin file; nothing when it has no [Skin] section, no name or
    // an unreadable face colour.
    static std::optional<SkinData> parseSkin(const QString& text);

    // Loads a skin file; false (and nothing changed) when it cannot be read or parsed.
    bool loadSkinFile(const QString& path);
    QString skinFile() const { return m_file; }
    const std::optional<SkinData>& skin() const { return m_skin; }

    bool isActive() const { return m_active; }
    // On applies the loaded skin (only when one is loaded); off puts the plain look back.
    void setActive(bool active);
    // Applies the active skin again to every window.
    void applyToAllWindows();

    // Style-sheet rules written for `kind` also apply to `widgetClass` (the numeric edit is
    // painted as an ordinary edit: "TqvNumEdit" -> "QLineEdit").
    void addClassMapping(const QString& widgetClass, const QString& kind);
    // The skin's style sheet with the class mappings added.
    QString effectiveStyleSheet() const;

    // The skin's face colour while a skin is active, else the system button face.
    QColor faceColor() const;

    // The folder "skins/" beside the program.
    static QString programSkinsFolder();
    // The skin file for the stored folder and name; a relative folder is taken from the
    // program's folder. Empty when the name is empty.
    static QString skinFilePath(const QString& skinPath, const QString& skinName);
    // The "*.skn" files of a folder, sorted by name.
    static QStringList skinFiles(const QString& folder);

private:
    QString m_file;
    std::optional<SkinData> m_skin;
    bool m_active = false;
    QPalette m_plainPalette;
    std::vector<std::pair<QString, QString>> m_mappings;
};

// The colour grids and memos paint with: the button face without a skin, the skin's face
// colour with one. Recomputed by the main window after every skin change.
QColor SkinFaceColor();
void SetSkinFaceColor(const QColor& color);
