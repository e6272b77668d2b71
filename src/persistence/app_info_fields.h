#pragma once

#include "finance/financial_types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calvora {

inline constexpr std::string_view kSettingsFileName = "Calvora.xml";
inline constexpr std::string_view kRootElement = "Calvora";
inline constexpr std::string_view kSectionCommonProperties = "CommonProperties";
inline constexpr std::string_view kSectionPrinter = "Printer";
inline constexpr std::string_view kSectionAccount = "Account";
inline constexpr std::string_view kSectionLoan = "Loan";
/// Root-level values (read and written with the root-level flag).
inline constexpr std::string_view kKeyProgramVersion = "ProgramVersion";
inline constexpr std::string_view kKeyRunTimes = "RunTimes";
/// The version written into a file this program creates.
inline constexpr std::string_view kProgramVersion = "3.0d";
/// Keys of a window-bounds section ("width" is in lower case in the file).
inline constexpr std::string_view kKeyLeft = "Left";
inline constexpr std::string_view kKeyTop = "Top";
inline constexpr std::string_view kKeyWidth = "width";
inline constexpr std::string_view kKeyHeight = "Height";

/// The values of the sections "CommonProperties", "Printer", "Account" and "Loan",
/// loaded once when the settings are opened. Each member is named like its key and
/// initialised with the key's default. Rates and amounts are percents and money as
/// entered; integer choices are list indexes or the codes named beside them.
struct TAppInfoFields {
    // CommonProperties
    std::string DataPath; ///< default: the data path of the application folder
    std::string UserName;
    std::string Organization; ///< stored under "Organization"; old files: "UserCompany"
    std::string SkinPath = "./skins/";
    bool ShowHints = true;
    bool ShowBtnHints = true;
    bool ShowToolBarHints = true;
    bool SaveCalculatorPos = true;
    bool RestoreCalcPos = true;
    bool ColorBackground = true;
    std::string Preparer;
    std::string PreparerCompany;
    std::int32_t AccelPctText = 0;
    std::int32_t AmortAccelMthdText = 0; ///< AccelerationMethod
    std::int32_t AmortMthdText = 0;      ///< AmortizationMethod
    std::int32_t RateTypeTextEq = 2;     ///< "APR", "Effective", "Monthly", "Daily"
    std::int32_t MACRSBusinessUsePctText = 0;
    std::int32_t CmpPYRText = 6;     ///< Frequency code
    std::int32_t YearLengthText = 0; ///< DaysInYear index
    std::int32_t DeductText = 0;     ///< "Deductible", "Not Deductible"
    std::int32_t MACRSDeprecionMthdText = 1;
    Extended DiscRateText = 0;
    Extended FIRText = 0;
    Extended InflationRateText = 0;
    std::int32_t MACRSIRSConventionText = 0;
    std::int32_t AmortLongInterestCalcMthdText = 2; ///< OddDaysCalc
    std::int32_t AmortLongInterestPmtMthdText = 3;  ///< OddDaysPaid
    Extended MarginalTaxRateText = 0;
    std::int32_t PYRText = 5;     ///< Frequency code - 1
    std::int32_t PmtMthdText = 0; ///< "Arrears", "Advance"
    Extended PointsText = 0;
    std::int32_t AmortPointsAreText = 1;
    Extended PPText = 0;
    Extended PVText = 0;
    Extended RateText = 0;
    Extended SIRText = 0;
    std::int32_t AmortShortInterestCalcMthdText = 2; ///< ShortPeriodCalc
    std::int32_t AmortShortInterestPmtMthdText = 2;  ///< ShortPeriodPaid
    std::int32_t UseforStartingDateText = 0;
    std::int32_t TaxEffectText = 0;
    std::int32_t TwiceMonthlyText = 0; ///< TwiceMonthlyDays
    std::int32_t PIPUText = 0;
    std::int32_t ApplyUS = 0;
    bool ShowAlternatecolorGird = false;
    bool ShowAlternateColor = false;
    bool HasSkinned = false;
    std::string SkinName;
    std::int32_t AssumedStartDateMthdText =
        3; ///< 0 today, 1 tomorrow, 2 first of this month, 3 first of next
    TDateTime AssumedStartDateDefaultText = 0; ///< default: today; stored in the short date format
    bool AssumedStartDateOptedText = false;

    // Printer
    std::string DefaultPrinter = "DefaultPrinter"; ///< "DefaultPrinter": the system default
    Extended DefaultPaperWidth = 8.5;              ///< inches
    std::string PrinterFontName = "Courier New";
    std::int32_t PrinterFontSize = 10;

    // Account
    std::string AccountFirstName;
    std::string AccountAddress1;
    std::string AccountAddress2;
    std::string AccountBusiness;
    std::string AccountCity;
    std::string AccountCountry;
    std::string AccountExtn;
    std::string AccountInitial;
    std::string AccountLastName;
    std::string AccountPhone1;
    std::string AccountPhone2;
    std::string AccountState;
    std::string AccountZip;

    // Loan
    std::string LoanBlockNo;
    std::string LoanCity;
    std::string LoanCollateral;
    std::string LoanCountry;
    std::string LoanLotNo;
    std::string LoanOtherCollateral;
    std::string LoanPropertyAddress;
    std::string LoanState;
    std::string LoanZIP;
};

/// A loaded field and where it is stored. The member's type gives the encoding:
/// std::string text, std::int32_t integer, bool switch (0/1), Extended float,
/// TDateTime a date in the regional order (written with the date mask).
template <class T>
struct TAppInfoKey {
    std::string_view Section;
    std::string_view Key;
    T TAppInfoFields::*Field;
};

/// One constant per loaded field, named like the key: AppInfo.Set(appkeys::PYRText, 6).
namespace appkeys {
#define CALVORA_APP_KEY(section, type, name)                                                       \
    inline constexpr TAppInfoKey<type> name{section, #name, &TAppInfoFields::name};
#include "persistence/app_info_keys.inc"
#undef CALVORA_APP_KEY
} // namespace appkeys

} // namespace calvora
