// The checks an entry passes before it is added, and what a refused add leaves behind.
#include "customtest.h"

#include "patchdb/customentryvalidation.h"

namespace {

const QString NameLine = QStringLiteral("- Module Name required\r\n");
const QString VersionLine = QStringLiteral("- Module Version required\r\n");
const QString PrefixLine =
    QStringLiteral("- Do not enter \"v\" or \"ver\" with\r\n   the Module Version\r\n");
const QString DateLine = QStringLiteral("- Enter module VERSION, not module DATE\r\n");
const QString OsLine = QStringLiteral(
    "- You must choose the Daltrix OS\r\n   version(s) that this module runs on\r\n");
const QString OtherRequiredLine = QStringLiteral("- Other DX OS Ver required if Other checked\r\n");
const QString OtherNumberLine = QStringLiteral("- Other DX OS Ver must be a numerical value\r\n");

QString problemsOf(const QString& name, const QString& version, bool box, bool other = false,
                   const QString& otherVersion = QString()) {
    return customvalidation::problems({name, version, box || other, other, otherVersion});
}

}  // namespace

TEST(CustomValidation, TheVersionIsNeitherPrefixedNorADate) {
    EXPECT_EQ(problemsOf("CLIB", "4.12", true), "");
    EXPECT_EQ(problemsOf("CLIB", "v4.12", true), PrefixLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12 ver", true), PrefixLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12 Rev. vers", true), PrefixLine);
    // Only the lower-case spellings are refused.
    EXPECT_EQ(problemsOf("CLIB", "V4.12", true), "");
    EXPECT_EQ(problemsOf("CLIB", "4.12 VER", true), "");
    // Slashes and dashes count together; one alone is a version.
    EXPECT_EQ(problemsOf("CLIB", "12/05/98", true), DateLine);
    EXPECT_EQ(problemsOf("CLIB", "12-05-98", true), DateLine);
    EXPECT_EQ(problemsOf("CLIB", "12/05-98", true), DateLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12-2", true), "");
    EXPECT_EQ(problemsOf("CLIB", "4/12", true), "");
    // The prefix test comes first.
    EXPECT_EQ(problemsOf("CLIB", "v12/05/98", true), PrefixLine);
}

TEST(CustomValidation, TheOsVersionsAndOther) {
    EXPECT_EQ(problemsOf("CLIB", "4.12", false), OsLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12", false, true, ""), OtherRequiredLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12", false, true, "six"), OtherNumberLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12", false, true, "4,20"), OtherNumberLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12", false, true, "   "), OtherNumberLine);
    EXPECT_EQ(problemsOf("CLIB", "4.12", false, true, "6.5"), "");
    EXPECT_EQ(problemsOf("CLIB", "4.12", true, true, "6"), "");
}

TEST(CustomValidation, ProblemsAreCollectedInFieldOrder) {
    EXPECT_EQ(problemsOf("", "", false), NameLine + VersionLine + OsLine);
    EXPECT_EQ(problemsOf("", "ver 2", false, true, ""), NameLine + PrefixLine + OtherRequiredLine);
    EXPECT_EQ(problemsOf("X", "1-2-3", true, true, "x"), DateLine + OtherNumberLine);
    EXPECT_EQ(customvalidation::errorMessage(NameLine),
              "Invalid input. Cannot add module:\r\n\r\n- Module Name required\r\n");
}

TEST_F(CustomTest, ARefusedAddShowsTheErrorAndWritesNothing) {
    const QByteArray controlled = read(controlledPath());
    const QByteArray uncontrolled = read(uncontrolledPath());
    fill("clib", "v4.12", {}, QString(), "LIBUP.EXE");
    page().addModule();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(m_dialogs.messages()[0].text,
              "Invalid input. Cannot add module:\r\n\r\n" + PrefixLine + OsLine);
    EXPECT_EQ(read(controlledPath()), controlled);
    EXPECT_EQ(read(uncontrolledPath()), uncontrolled);
    EXPECT_TRUE(page().lstCustomDBEntries().isEmpty());
    // The name is left as typed.
    EXPECT_EQ(page().edtModuleName, "clib");
}
