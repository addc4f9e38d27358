#include <gtest/gtest.h>

#include "database/SdxFile.h"
#include "database/Upkeep.h"

TEST(Smoke, NewDatabaseSavesAndReopens) {
    auto db = std::make_unique<velmora::Database>();
    velmora::ResetToNewDatabase(*db);
    auto image = velmora::WriteDatabase(*db);
    ASSERT_TRUE(image);
    auto other = std::make_unique<velmora::Database>();
    EXPECT_TRUE(velmora::ReadDatabase(*other, *image));
}
