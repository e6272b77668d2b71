#include "calculators/buf_loan.h"
#include "calculators/buf_test_settings.h"
#include "persistence/app_info_fields.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

constexpr std::string_view kSection = "LoanCalc";

// The window protocol and the settings keys, told on the loan buffer.
class BufferProtocolTest : public ::testing::Test {
protected:
    TcalcLoanTransferRec Shown(const TbufLoan& buffer) {
        TcalcLoanTransferRec rec;
        buffer.GetTransfer(rec);
        return rec;
    }

    void StoreOptions(bool lastEntered, bool local, bool global) {
        TbufLoan buffer(*settings);
        TcalcLoanOptionsTransferRec options;
        buffer.GetOptions(options);
        options.LastEntered = lastEntered;
        options.Defaults = !lastEntered;
        options.Local = local;
        options.Global = global;
        options.Publishers = !local && !global;
        options.DefaultRate = 4.5f;
        options.DefaultPaymentPeriod.Index = 2;
        options.DefaultCompounding.Index = 0;
        options.DefaultPaymentMethod.Index = 1;
        options.DefaultAmortMethod.Index = 1;
        buffer.SetOptions(options);
        buffer.SaveOptions(kSection);
    }

    void StoreGlobalDefaults() {
        settings->Set(appkeys::RateText, 7.25L);
        settings->Set(appkeys::PYRText, 10);
        settings->Set(appkeys::CmpPYRText, 12);
        settings->Set(appkeys::PmtMthdText, 1);
        settings->Set(appkeys::AmortMthdText, 3);
    }

    /// A window opening: LoadOptions, then the opening values.
    TcalcLoanTransferRec Open(TbufLoan& buffer, const TcalcLoanTransferRec* latest = nullptr) {
        buffer.LoadOptions(kSection);
        OpenCalculatorValues(buffer, kSection, latest);
        return Shown(buffer);
    }

    testing::TBufferSettings settings;
};

TEST_F(BufferProtocolTest, LastEnteredValuesRoundTripThroughTheFile) {
    {
        TbufLoan buffer(*settings);
        TcalcLoanTransferRec rec;
        rec.Amount = 123456.78L;
        rec.Periods = 240;
        rec.AnnualRate = 7.125f;
        rec.Payment = 987.65L;
        rec.PaymentPeriod.Index = 3;
        rec.Compounding.Index = 12;
        rec.PaymentMethod.Index = 1;
        rec.AmortMethod.Index = 5;
        buffer.SetTransfer(rec);
        buffer.SaveLastEntered(kSection);
    }
    settings.Reopen();

    // The keys as stored, read directly.
    EXPECT_EQ(settings->ReadFloat(kSection, "lPVText", 0), 123456.78L);
    EXPECT_EQ(settings->ReadInteger(kSection, "lNumPmtsText", 0), 240);
    EXPECT_EQ(settings->ReadFloat(kSection, "lRateText", 0), 7.125L);
    EXPECT_EQ(settings->ReadFloat(kSection, "PeriodicPayment", 0), 987.65L);
    EXPECT_EQ(settings->ReadInteger(kSection, "lPYRText", 0), 3);
    EXPECT_EQ(settings->ReadInteger(kSection, "lCmpPYRText", 0), 12);
    EXPECT_EQ(settings->ReadInteger(kSection, "lPmtMthdText", 0), 1);
    EXPECT_EQ(settings->ReadInteger(kSection, "lAmortMthdText", 0), 5);
    EXPECT_EQ(settings->ReadString(kSection, "TotalInterest", "none"), "none");

    TbufLoan buffer(*settings);
    const TcalcLoanTransferRec shown = Open(buffer);
    EXPECT_EQ(shown.Amount, 123456.78L);
    EXPECT_EQ(shown.Periods, 240);
    EXPECT_EQ(shown.AnnualRate, 7.125f);
    EXPECT_EQ(shown.Payment, 987.65L);
    EXPECT_EQ(shown.PaymentPeriod.Index, 3);
    EXPECT_EQ(shown.Compounding.Index, 12);
    EXPECT_EQ(buffer.Transfer().Compounding.Text, "Exact/Simple");
    EXPECT_EQ(shown.AmortMethod.Index, 5);
}

TEST_F(BufferProtocolTest, OptionsRoundTripThroughTheFile) {
    StoreOptions(false, true, false);
    settings.Reopen();
    EXPECT_EQ(settings->ReadFloat(kSection, "DefaultlDefaultRateText", 0), 4.5L);
    EXPECT_EQ(settings->ReadInteger(kSection, "DefaultlDefaultPYRText", -1), 2);
    EXPECT_EQ(settings->ReadInteger(kSection, "DefaultlDefaultCmpPYRText", -1), 0);
    EXPECT_EQ(settings->ReadInteger(kSection, "DefaultlDefaultPmtMthdText", -1), 1);
    EXPECT_EQ(settings->ReadInteger(kSection, "DefaultlDefaultAmortMthdText", -1), 1);
    EXPECT_FALSE(settings->ReadBool(kSection, "DefaultLastenteredcalculation", true));
    EXPECT_TRUE(settings->ReadBool(kSection, "DefaultDefaults", false));
    EXPECT_TRUE(settings->ReadBool(kSection, "DefaultLocal", false));
    EXPECT_FALSE(settings->ReadBool(kSection, "DefaultGlobal", true));
    EXPECT_FALSE(settings->ReadBool(kSection, "DefaultPublishers", true));

    TbufLoan buffer(*settings);
    buffer.LoadOptions(kSection);
    TcalcLoanOptionsTransferRec options;
    buffer.GetOptions(options);
    EXPECT_EQ(options.DefaultRate, 4.5f);
    EXPECT_EQ(options.DefaultPaymentPeriod.Index, 2);
    EXPECT_EQ(options.DefaultAmortMethod.Index, 1);
    EXPECT_TRUE(options.Defaults && options.Local);
}

TEST_F(BufferProtocolTest, OpeningValuesByTheChosenDefaults) {
    StoreGlobalDefaults();
    struct Case {
        bool Local;
        bool Global;
        float Rate;
        int PaymentPeriod, Compounding, PaymentMethod, AmortMethod;
    } const data[] = {
        {true, false, 4.5f, 2, 0, 1, 1},    // the options page's defaults
        {false, true, 7.25f, 10, 12, 1, 3}, // the global settings
        {false, false, 0.0f, 5, 6, 0, 0},   // publisher's: the initial values
    };
    for (const Case& c : data) {
        StoreOptions(false, c.Local, c.Global);
        TbufLoan buffer(*settings);
        const TcalcLoanTransferRec shown = Open(buffer);
        EXPECT_EQ(shown.AnnualRate, c.Rate);
        EXPECT_EQ(shown.PaymentPeriod.Index, c.PaymentPeriod);
        EXPECT_EQ(shown.Compounding.Index, c.Compounding);
        EXPECT_EQ(shown.PaymentMethod.Index, c.PaymentMethod);
        EXPECT_EQ(shown.AmortMethod.Index, c.AmortMethod);
        EXPECT_EQ(shown.Amount, 0);
    }
}

TEST_F(BufferProtocolTest, UnreadableLastEnteredFallsBackToLocalDefaults) {
    StoreOptions(true, false, false);
    {
        TbufLoan buffer(*settings);
        TcalcLoanOptionsTransferRec options;
        buffer.LoadOptions(kSection);
        buffer.GetOptions(options);
        ASSERT_TRUE(options.LastEntered);
    }
    settings->WriteFloat(kSection, "lPVText", 5000);
    settings->WriteString(kSection, "lRateText", "six");

    TbufLoan buffer(*settings);
    const TcalcLoanTransferRec shown = Open(buffer);
    // Nothing of the damaged calculation is taken; the local defaults apply.
    EXPECT_EQ(shown.Amount, 0);
    EXPECT_EQ(shown.AnnualRate, 4.5f);
    EXPECT_EQ(shown.PaymentPeriod.Index, 2);
    EXPECT_TRUE(buffer.Options().Defaults && buffer.Options().Local);
    EXPECT_FALSE(buffer.Options().LastEntered || buffer.Options().Publishers);
}

TEST_F(BufferProtocolTest, StoredCountBeyondSixteenBitsIsUnreadable) {
    settings->WriteInteger(kSection, "lNumPmtsText", 40000);
    TbufLoan buffer(*settings);
    EXPECT_THROW(buffer.LoadLastEntered(kSection), std::exception);
    EXPECT_EQ(buffer.Transfer().Periods, 0);
}

TEST_F(BufferProtocolTest, StoredChoiceOutsideItsRowsKeepsTheRow) {
    settings->WriteInteger(kSection, "lPYRText", 11);
    settings->WriteInteger(kSection, "lAmortMthdText", -1);
    TbufLoan buffer(*settings);
    buffer.LoadLastEntered(kSection);
    EXPECT_EQ(buffer.Transfer().PaymentPeriod.Index, 5);
    EXPECT_EQ(buffer.Transfer().AmortMethod.Index, 0);
}

TEST_F(BufferProtocolTest, LatestCalculationOfTheKindWins) {
    StoreOptions(false, true, false);
    TbufLoan first(*settings);
    TcalcLoanTransferRec rec;
    rec.Amount = 10000;
    rec.Periods = 60;
    rec.AnnualRate = 8;
    rec.AmortMethod.Index = 1;
    first.SetTransfer(rec);
    first.Calculate();
    LastLoanCalculation.Set(first.Transfer());

    TbufLoan second(*settings);
    const TcalcLoanTransferRec shown = Open(second, LastLoanCalculation.Get());
    EXPECT_EQ(shown.Amount, 10000);
    EXPECT_EQ(shown.AnnualRate, 8);
    EXPECT_EQ(shown.AmortMethod.Index, 1);
    EXPECT_EQ(shown.Payment, first.Transfer().Payment);
    EXPECT_EQ(shown.TotalInterest, first.Transfer().TotalInterest);

    LastLoanCalculation.Release(second.Transfer());
    EXPECT_NE(LastLoanCalculation.Get(), nullptr);
    LastLoanCalculation.Release(first.Transfer());
    EXPECT_EQ(LastLoanCalculation.Get(), nullptr);
}

TEST_F(BufferProtocolTest, ResetKeepsInitialValuesWhileLastEnteredIsChosen) {
    StoreGlobalDefaults();
    struct Case {
        bool LastEntered;
        bool Global;
        float Rate;
    } const data[] = {
        {true, false, 0.0f},
        {false, true, 7.25f},
    };
    for (const Case& c : data) {
        StoreOptions(c.LastEntered, false, c.Global);
        TbufLoan buffer(*settings);
        TcalcLoanTransferRec rec;
        rec.Amount = 1;
        rec.AnnualRate = 3;
        buffer.SetTransfer(rec);
        ResetCalculator(buffer, kSection);
        const TcalcLoanTransferRec shown = Shown(buffer);
        EXPECT_EQ(shown.Amount, 0);
        EXPECT_EQ(shown.AnnualRate, c.Rate);
        EXPECT_EQ(buffer.Options().LastEntered, c.LastEntered);
    }
}

} // namespace
} // namespace calvora
