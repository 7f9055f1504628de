// The Windows-version rules of the association records on every version the
// stand-in can pretend to be.
#include "platform/FakeControl.h"
#include "support/RecordVersionRules.h"

using RecordVersionTest = RegistryTest;

TEST_F(RecordVersionTest, FriendlyTypeNamePerceivedTypeAndProgIdsFollowTheVersion) {
    for (const char* version : {"win95", "win98", "winme", "nt40", "win2k", "winxp", "win7"}) {
        fake::ResetRegistry();
        fake::SetVersion(version);
        CheckRecordVersionRules(version);
    }
}
