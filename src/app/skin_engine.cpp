#include "app/skin_engine.h"

#include <array>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStyle>

namespace {

QColor g_skinFaceColor;
bool g_skinFaceColorSet = false;

struct PaletteRole {
    const char* key;
    QPalette::ColorRole role;
};

constexpr std::array<PaletteRole, 12> kRoles = {{
    {"Window", QPalette::Window},
    {"WindowText", QPalette::WindowText},
    {"Base", QPalette::Base},
    {"AlternateBase", QPalette::AlternateBase},
    {"Text", QPalette::Text},
    {"Button", QPalette::Button},
    {"ButtonText", QPalette::ButtonText},
    {"Highlight", QPalette::Highlight},
    {"HighlightedText", QPalette::HighlightedText},
    {"ToolTipBase", QPalette::ToolTipBase},
    {"ToolTipText", QPalette::ToolTipText},
    {"Link", QPalette::Link},
}};

QPalette PlainPalette() {
    return QApplication::style()->standardPalette();
}

} // namespace

TSkinEngine::TSkinEngine()
    : m_plainPalette(QApplication::palette()) {}

std::optional<SkinData> TSkinEngine::parseSkin(const QString& text) {
    SkinData skin;
    skin.palette = PlainPalette();
    QString section;
    bool sawSkinSection = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (section == QLatin1String("stylesheet")) {
            skin.styleSheet = lines.mid(i).join(QLatin1Char('\n')).trimmed();
            break;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            sawSkinSection = sawSkinSection || section == QLatin1String("skin");
            continue;
        }
        if (section != QLatin1String("skin"))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0) {
            skin.name = value;
        } else if (key.compare(QLatin1String("FaceColor"), Qt::CaseInsensitive) == 0) {
            skin.faceColor = QColor::fromString(value);
        } else {
            for (const PaletteRole& role : kRoles) {
                if (key.compare(QLatin1String(role.key), Qt::CaseInsensitive) != 0)
                    continue;
                const QColor color = QColor::fromString(value);
                if (color.isValid()) {
                    skin.palette.setColor(role.role, color);
                    skin.hasPalette = true;
                }
            }
        }
    }
    if (!sawSkinSection || skin.name.isEmpty() || !skin.faceColor.isValid())
        return std::nullopt;
    if (skin.hasPalette) {
        // Disabled texts: the normal text colour half-way to the window colour.
        const QColor window = skin.palette.color(QPalette::Window);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            const QColor c = skin.palette.color(role);
            skin.palette.setColor(QPalette::Disabled, role,
                                  QColor((c.red() + window.red()) / 2,
                                         (c.green() + window.green()) / 2,
                                         (c.blue() + window.blue()) / 2));
        }
    }
    return skin;
}

bool TSkinEngine::loadSkinFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    std::optional<SkinData> skin = parseSkin(QString::fromUtf8(file.readAll()));
    if (!skin)
        return false;
    m_skin = std::move(skin);
    m_file = path;
    if (m_active)
        applyToAllWindows();
    return true;
}

void TSkinEngine::setActive(bool active) {
    if (active && !m_skin)
        active = false;
    m_active = active;
    applyToAllWindows();
}

void TSkinEngine::applyToAllWindows() {
    if (m_active && m_skin) {
        QApplication::setPalette(m_skin->hasPalette ? m_skin->palette : m_plainPalette);
        qApp->setStyleSheet(effectiveStyleSheet());
    } else {
        qApp->setStyleSheet(QString());
        QApplication::setPalette(m_plainPalette);
    }
}

void TSkinEngine::addClassMapping(const QString& widgetClass, const QString& kind) {
    m_mappings.emplace_back(widgetClass, kind);
}

QString TSkinEngine::effectiveStyleSheet() const {
    if (!m_skin)
        return {};
    QString sheet = m_skin->styleSheet;
    QString added;
    // Every rule whose selector names a mapped kind is repeated for the mapped class.
    static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^{}]*)\\}"));
    for (auto it = rule.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString selectors = match.captured(1).trimmed();
        for (const auto& [widgetClass, kind] : m_mappings) {
            const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(kind));
            if (!selectors.contains(word))
                continue;
            QString mapped = selectors;
            mapped.replace(word, widgetClass);
            added += QLatin1Char('\n') + mapped + QStringLiteral(" {") + match.captured(2) +
                     QLatin1Char('}');
        }
    }
    return sheet + added;
}

QColor TSkinEngine::faceColor() const {
    if (m_active && m_skin)
        return m_skin->faceColor;
    return m_plainPalette.color(QPalette::Button);
}

QString TSkinEngine::programSkinsFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("skins")) +
           QLatin1Char('/');
}

QString TSkinEngine::skinFilePath(const QString& skinPath, const QString& skinName) {
    if (skinName.isEmpty())
        return {};
    QString folder = skinPath;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(folder))
        folder = QDir(QCoreApplication::applicationDirPath()).filePath(folder);
    return QDir::cleanPath(QDir(folder).filePath(skinName));
}

QStringList TSkinEngine::skinFiles(const QString& folder) {
    QDir dir(folder);
    return dir.entryList({QStringLiteral("*.skn")}, QDir::Files, QDir::Name);
}

QColor SkinFaceColor() {
    if (!g_skinFaceColorSet)
        return QApplication::palette().color(QPalette::Button);
    return g_skinFaceColor;
}

void SetSkinFaceColor(const QColor& color) {
    g_skinFaceColor = color;
    g_skinFaceColorSet = true;
}
