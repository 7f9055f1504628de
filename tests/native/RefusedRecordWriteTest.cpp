// A record whose key the registry refuses to create is reported, not passed
// over as if it had been written.
#include "association/DataType.h"
#include "platform/FakeControl.h"
#include "support/ErrorOf.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>
#include "support/NoUndo.h"

using RefusedRecordWriteTest = RegistryTest;

TEST_F(RefusedRecordWriteTest, RefusedClassOrExtensionKeyRaisesAndWritesNothing) {
    fake::FailNext(fake::Fault::Create);
    EXPECT_EQ(ErrorOf<ERegistryException>(
                  [] { RegisterFileClass(NoUndo(), "txtfile", "Text", TEditFlags{efNone}, "", "", ""); }),
              "Erzeugung von Schlüssel txtfile misslungen");
    EXPECT_FALSE(HasKey("txtfile"));

    std::string className = "txtfile";
    fake::FailNext(fake::Fault::Create);
    EXPECT_EQ(ErrorOf<ERegistryException>([&] {
                  RegisterExtension(NoUndo(), ".txt", className, "text/plain", TEditFlags{}, false, "",
                                    ptText, 0, "", nullptr, nullptr);
              }),
              "Erzeugung von Schlüssel .txt misslungen");
    EXPECT_FALSE(HasKey(".txt"));
}

TEST_F(RefusedRecordWriteTest, AnIconKeyThatCantBeWrittenOrDeletedIsReported) {
    PutString("txtfile", "", "Text");
    fake::FailNext(fake::Fault::Create);
    EXPECT_THROW(SetDefaultIcon(NoUndo(), "txtfile", "x.dll,1"), ERegistryException);
    EXPECT_FALSE(HasKey("txtfile\\DefaultIcon"));
    // Cleared, the icon key goes with its own subkeys.
    PutString("txtfile\\DefaultIcon\\Sub", "", "s");
    RegisterFileClass(NoUndo(), "txtfile", "Text", TEditFlags{efNone}, "", "", "");
    EXPECT_FALSE(HasKey("txtfile\\DefaultIcon"));
    PutString("txtfile\\DefaultIcon", "", "x.dll,1");
    fake::FailNext(fake::Fault::DeleteKey);
    EXPECT_THROW(RegisterFileClass(NoUndo(), "txtfile", "Text", TEditFlags{efNone}, "", "", ""),
                 ERegistryException);
    EXPECT_TRUE(HasKey("txtfile\\DefaultIcon"));
}
