#pragma once

#include "calculators/report_page.h"

#include <string>
#include <vector>

namespace calvora {

/// Where a calculator puts its copied text (the system clipboard in the
/// desktop program): the clipboard is cleared and the text put on it as plain text.
class ICalcClipboard {
public:
    virtual ~ICalcClipboard() = default;
    virtual void SetText(const std::string& text) = 0;
};

/// Where a calculator sends its printed report: the pages with their printer
/// set-up, the name of the printer to select (exact, then partial match) and
/// the job title.
class ICalcReportOutput {
public:
    virtual ~ICalcReportOutput() = default;
    virtual void PrintReport(const std::vector<TReportPage>& pages,
                             const TReportPrinterConfig& config, const std::string& printerName,
                             const std::string& title) = 0;
};

/// The values record of the calculator of one kind that calculated last, shared
/// by the open windows of that kind: a newly opened window starts from it. The
/// window sets it after each calculation and clears it when its buffer goes.
template <class Rec>
class TLatestCalculation {
public:
    const Rec* Get() const { return m_record; }
    void Set(const Rec& record) { m_record = &record; }
    /// Empties the reference when it points at `record`.
    void Release(const Rec& record) {
        if (m_record == &record)
            m_record = nullptr;
    }

private:
    const Rec* m_record = nullptr;
};

} // namespace calvora
