#include <gtest/gtest.h>

#include "satellites/TransponderForm.h"

namespace velmora {
namespace {

TEST(TransponderForm, FrequencyAndSymbolRateBoundaries) {
    struct Case {
        const char* frequency;
        const char* symbol_rate;
        int control;  // 0: accepted
        const char* message;
    } cases[] = {
        {"1", "2000", 0, ""},
        {"20000", "45000", 0, ""},
        {"0", "27500", kTpFrequencyEdit, "Please enter an integer between 1 and 20000."},
        {"20001", "27500", kTpFrequencyEdit, "Please enter an integer between 1 and 20000."},
        {"11747", "1999", kTpSymbolRateEdit, "Please enter an integer between 2000 and 45000."},
        {"11747", "45001", kTpSymbolRateEdit, "Please enter an integer between 2000 and 45000."},
        {"11.7", "27500", kTpFrequencyEdit, "Please enter an integer."},
        {"11747", "", kTpSymbolRateEdit, "Please enter an integer."},
        {"99999999999", "27500", kTpFrequencyEdit, "Please enter an integer."},
        {"x", "y", kTpFrequencyEdit, "Please enter an integer."},
        // Both fields are integers before either range is judged.
        {"0", "abc", kTpSymbolRateEdit, "Please enter an integer."},
        {"20001", "27.5", kTpSymbolRateEdit, "Please enter an integer."},
        {"0", "1999", kTpFrequencyEdit, "Please enter an integer between 1 and 20000."},
    };
    for (const Case& c : cases) {
        TransponderForm form = TransponderForm::Load(NewTransponderTemplate(0));
        const Transponder before = form.record;
        form.frequency = c.frequency;
        form.symbol_rate = c.symbol_rate;
        const auto refusal = ValidateAndApply(form, form.record);
        if (c.control == 0) {
            EXPECT_FALSE(refusal) << c.frequency << " " << c.symbol_rate;
            EXPECT_EQ(form.record.frequency(), std::stoi(c.frequency));
            EXPECT_EQ(form.record.symbol_rate(), std::stoi(c.symbol_rate));
        } else {
            ASSERT_TRUE(refusal) << c.frequency << " " << c.symbol_rate;
            EXPECT_EQ(*refusal, (FieldRefusal{c.control, c.message}));
            EXPECT_EQ(form.record.bytes, before.bytes);
        }
    }
}

TEST(TransponderForm, FlagsByteIsRebuiltWholeAndIdentityKept) {
    Transponder tp = NewTransponderTemplate(4);
    tp.set_tp_flags(0xE2 | (2 << 2));  // unnamed bits 1 and 5-7 set, FEC 2/3, HOR
    tp.set_tp_id(321);
    tp.bytes[6] = 0x11;
    tp.bytes[9] = 0x99;
    TransponderForm form = TransponderForm::Load(tp);
    form.polarisation = 1;
    form.fec = 5;
    ASSERT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.tp_flags(), 5 * 4 + 1);
    EXPECT_EQ(form.record.tp_id(), 321);
    EXPECT_EQ(form.record.satellite(), 4);
    EXPECT_EQ(form.record.bytes[6], 0x11);
    EXPECT_EQ(form.record.bytes[9], 0x99);
}

TEST(TransponderForm, NoFecSelectionKeepsTheStoredFec) {
    Transponder tp = NewTransponderTemplate(0);
    tp.set_fec(7);
    TransponderForm form = TransponderForm::Load(tp);
    ASSERT_EQ(form.fec, -1);
    form.polarisation = 0;
    ASSERT_FALSE(ValidateAndApply(form, form.record));
    EXPECT_EQ(form.record.fec(), 7);
    EXPECT_EQ(form.record.polarisation(), 0);
}

}  // namespace
}  // namespace velmora
