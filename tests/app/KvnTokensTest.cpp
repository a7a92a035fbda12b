// kvn tokens, run as a user would run it.

#include "support/RunKvn.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using kv::test::RunKvn;
using kv::test::ShellQuote;

namespace {

kv::test::KvnResult Tokens(const std::string& text) {
    kv::test::TempDir dir;
    return RunKvn(dir.Path().string(), "tokens " + ShellQuote(text));
}

} // namespace

TEST(KvnTokens, PrintsOneElementPerLineWithItsFields) {
    const auto r = Tokens("a<ENTER><DELAY:02.50><MM/DD/YYYY{NP001}><hh:mma{N}>"
                          "<LAUNCH:np.exe<PARAM>c:\\a b>\xC3\xA9\r\n<X");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0\t1\tchar\ta\n"
                     "1\t7\tkey\tENTER\tvk=0D\n"
                     "8\t13\tcommand\tDELAY:\tseconds=2.5\n"
                     "21\t19\tdate\tMM/DD/YYYY\tflag=N\tdays=-1\tform=long\n"
                     "40\t11\ttime\thh:mma\tflag=N\n"
                     "51\t28\tcommand\tLAUNCH:\tprogram=np.exe\tparameters=c:\\\\a b\n"
                     "79\t1\tchar\t\xC3\xA9\n"
                     "80\t2\tchar\t\\r\\n\n"
                     "82\t1\tchar\t<\n"
                     "83\t1\tchar\tX\n");
}

TEST(KvnTokens, MarksInvalidRealsAndEscapesControlCharacters) {
    const auto r = Tokens("<SPEED:abcde><REM:a\tb\x01>");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0\t13\tcommand\tSPEED:\tfactor=invalid\n"
                     "13\t10\tcommand\tREM:\tremark=a\\tb\\x01\n");
}

TEST(KvnTokens, RefusesTextThatAnsiCannotHold) {
    const auto r = Tokens("snow \xE2\x98\x83");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("TEXT"), std::string::npos) << r.err;
}
