// The Windows-version rules of the association records under the version
// Wine pretends to be (run once per version by tests/run-as-version.sh).
#include "support/RecordVersionRules.h"

#include <cstdlib>

using RecordsOnWindowsVersion = RegistryTest;

TEST_F(RecordsOnWindowsVersion, FriendlyTypeNamePerceivedTypeAndProgIdsFollowTheVersion) {
    const char* expected = std::getenv("CORVIX_EXPECT_WINVER");
    if (!expected)
        GTEST_SKIP() << "CORVIX_EXPECT_WINVER is not set";
    CheckRecordVersionRules(expected);
}
