#pragma once

// String-table texts shared by the calculator windows. Captions carry "&" before their
// accelerator letter.
namespace calctext {

inline constexpr const char* kCalculatorPage = "Calculator";
inline constexpr const char* kOptionsPage = "Options";
inline constexpr const char* kUnknownHelp = "Enter a '0' (zero) for one unknown value above.";
inline constexpr const char* kOutOfRange = "Value is not within required range";
inline constexpr const char* kResetSize = "R&eset to default size";
inline constexpr const char* kSolvedMarker = "*";

// Options page.
inline constexpr const char* kOpensGroup = "When Calculator Opens use:";
inline constexpr const char* kDefaultsGroup = "Defaults are:";
inline constexpr const char* kLocalGroup = "Local Defaults";
inline constexpr const char* kLastEntered = "Last entered calculation";
inline constexpr const char* kDefaults = "Defaults";
inline constexpr const char* kLocal = "Local";
inline constexpr const char* kGlobal = "Global";
inline constexpr const char* kPublishers = "Publisher's";

// Buttons: caption, hint.
inline constexpr const char* kCalc = "&Calc";
inline constexpr const char* kCalcHint = "Calculate [Alt][C]";
inline constexpr const char* kClose = "Close";
inline constexpr const char* kCloseHint = "Close [Esc]";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kHelpHint = "Help [F1]";
inline constexpr const char* kPrint = "&Print";
inline constexpr const char* kPrintScheduleHint = "Print schedule [Ctrl][P]";
inline constexpr const char* kCopy = "Cop&y";
inline constexpr const char* kCopyHint = "Copy to clipboard.";
inline constexpr const char* kReset = "R&eset";
inline constexpr const char* kResetHint = "Reset - Clear all values.";
inline constexpr const char* kUndo = "&Undo";
inline constexpr const char* kUndoHint = "Undo changes since last calculation.";

// Help topics of the buttons.
inline constexpr int kCalcTopic = 118;
inline constexpr int kCloseTopic = 381;
inline constexpr int kHelpTopic = 24;
inline constexpr int kPrintTopic = 26;
inline constexpr int kCopyTopic = 27;
inline constexpr int kResetTopic = 19;
inline constexpr int kUndoTopic = 28;

} // namespace calctext
