#include "engine/macrotext/MacroTextReader.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

// The element at the start of the text.
Element First(std::string_view text) {
    return ReadElement(text, 0);
}

bool AllLiteral(std::string_view text) {
    const std::vector<Element> elements = SplitElements(text);
    if (elements.size() != text.size())
        return false;
    for (const Element& e : elements) {
        if (e.kind != ElementKind::Char || e.length != 1)
            return false;
    }
    return true;
}

} // namespace

TEST(MacroTextReader, AnythingThatIsNotExactlyATagIsTypedCharacterByCharacter) {
    for (std::string_view text : {"<enter>", "< TAB>", "<TAB >", "<X>", "<DELAY:1>",
                                  "<DELAY:000001>", "<MSD:12>", "<Enter>", "<PARAM>", "<>", "<"})
        EXPECT_TRUE(AllLiteral(text)) << text;
}

TEST(MacroTextReader, KeyModifierAndButtonTagsComeFromTheTable) {
    const Element enter = First("<ENTER>x");
    EXPECT_EQ(enter.kind, ElementKind::Key);
    EXPECT_EQ(enter.length, 7u);
    EXPECT_EQ(enter.tag->vk, 0x0D);
    EXPECT_EQ(First("<F24>").tag->vk, 0x87);
    EXPECT_EQ(First("<KEYP->").tag->vk, 0x6D);
    EXPECT_EQ(First("<PAGE UP>").tag->vk, 0x21);

    const Element alt = First("<ALT>");
    EXPECT_EQ(alt.kind, ElementKind::Modifier);
    EXPECT_EQ(alt.tag->modifier, ModifierAction::Toggle);
    EXPECT_EQ(First("<RIGHT MOUSE>").tag->vk, 0x02);

    const Element click = First("<RDCLK>");
    EXPECT_EQ(click.kind, ElementKind::Mouse);
    EXPECT_EQ(click.tag->button, MouseButton::Right);
    EXPECT_EQ(click.tag->mouse, MouseAction::DoubleClick);
}

TEST(MacroTextReader, FixedFieldsAreReadByPosition) {
    const Element delay = First("<DELAY:02.25>");
    EXPECT_EQ(delay.tag->id, TagId::Delay);
    EXPECT_EQ(delay.length, 13u);
    EXPECT_EQ(delay.Real(0), 2.25);

    const Element msd = First("<MSD:12a4>");
    EXPECT_EQ(msd.tag->id, TagId::Msd);
    EXPECT_EQ(msd.Integer(0), 12);

    const Element speed = First("<SPEED:abcde>");
    EXPECT_EQ(speed.tag->id, TagId::Speed);
    EXPECT_EQ(speed.length, 13u);
    EXPECT_FALSE(speed.Real(0).has_value());

    // Any character stands in a separator position.
    const Element move = First("<MMS:00100;0.125>");
    EXPECT_EQ(move.tag->id, TagId::MoveScreen);
    EXPECT_EQ(move.Real(0), 100.0);
    EXPECT_EQ(move.Text(1), ";");
    EXPECT_EQ(move.Real(2), 0.125);

    EXPECT_EQ(First("<WBW:003>").Integer(0), 3);
    EXPECT_EQ(First("<ALT:065>").Integer(0), 65);
    EXPECT_EQ(First("<ALT4:0128>").Integer(0), 128);
    EXPECT_EQ(First("<REPEAT: -12>").Integer(0), -12);
    EXPECT_EQ(First("<SPMSE:0050>").tag->id, TagId::SpMse);
}

TEST(MacroTextReader, IntegerAndRealFieldRules) {
    EXPECT_EQ(ParseIntegerField("  42"), 42);
    EXPECT_EQ(ParseIntegerField("+7"), 7);
    EXPECT_EQ(ParseIntegerField("-05"), -5);
    EXPECT_EQ(ParseIntegerField("12a4"), 12);
    EXPECT_EQ(ParseIntegerField(""), 0);
    EXPECT_EQ(ParseIntegerField("- 3"), 0);
    EXPECT_EQ(ParseIntegerField("abc"), 0);

    EXPECT_EQ(ParseRealField("00001"), 1.0);
    EXPECT_EQ(ParseRealField("00.50"), 0.5);
    EXPECT_EQ(ParseRealField("0.125"), 0.125);
    EXPECT_EQ(ParseRealField(" -1.5"), -1.5);
    EXPECT_EQ(ParseRealField("2.   "), 2.0);
    for (std::string_view bad : {"", "     ", ".", "1.2.3", "1e2", "12a4", "- 1"})
        EXPECT_FALSE(ParseRealField(bad).has_value()) << bad;
}

TEST(MacroTextReader, FreeTextRunsToTheFirstClosingBracketOrTheEnd) {
    const std::vector<Element> rem = SplitElements("<REM:a>b>");
    ASSERT_EQ(rem.size(), 3u);
    EXPECT_EQ(rem[0].tag->id, TagId::Rem);
    EXPECT_EQ(rem[0].Text(0), "a");
    EXPECT_EQ(rem[1].ch, 'b');
    EXPECT_EQ(rem[2].ch, '>');

    const Element open = First("<ACTIVATE:Note");
    EXPECT_EQ(open.tag->id, TagId::Activate);
    EXPECT_EQ(open.Text(0), "Note");
    EXPECT_EQ(open.length, 14u);

    EXPECT_EQ(First("<REM:>").Text(0), "");
    EXPECT_EQ(First("<REM:").length, 5u);

    const std::string longTitle = "<WMAX:" + std::string(300, 't') + ">z";
    const Element max = First(longTitle);
    EXPECT_EQ(max.Text(0), std::string(255, 't'));
    EXPECT_EQ(max.length, longTitle.size() - 1);
}

TEST(MacroTextReader, WindowAndPauseTagsReadFixedFieldsBeforeTheirText) {
    const Element size = First("<WSIZE:0640,0480Untitled - Notepad>");
    EXPECT_EQ(size.Integer(0), 640);
    EXPECT_EQ(size.Integer(2), 480);
    EXPECT_EQ(size.Text(3), "Untitled - Notepad");

    const Element pos = First("<WPOS:0010,0020\"CURRENT\">");
    EXPECT_EQ(pos.Integer(0), 10);
    EXPECT_EQ(pos.Integer(2), 20);
    EXPECT_EQ(pos.Text(3), kCurrentTitle);

    const Element pause = First("<PAUSE:100,200Insert disk>");
    EXPECT_EQ(pause.tag->id, TagId::PauseAt);
    EXPECT_EQ(pause.Integer(0), 100);
    EXPECT_EQ(pause.Integer(2), 200);
    EXPECT_EQ(pause.Text(3), "Insert disk");
    EXPECT_EQ(First("<PAUSE>").tag->id, TagId::Pause);

    // Without an exact close, the text starts at its offset even past an early ">".
    const Element early = First("<WSIZE:12>456789abcdef>x");
    EXPECT_EQ(early.Integer(0), 12);
    EXPECT_EQ(early.Integer(2), 6789);
    EXPECT_EQ(early.Text(3), "abcdef");
    EXPECT_EQ(early.length, 23u);
}

TEST(MacroTextReader, LaunchTagsSplitProgramAndParameters) {
    const std::string_view text = "<LAUNCH:notepad.exe<PARAM>c:\\a.txt>x";
    const Element launch = First(text);
    EXPECT_EQ(launch.tag->id, TagId::Launch);
    EXPECT_EQ(launch.Text(0), "notepad.exe");
    EXPECT_EQ(launch.Text(1), "c:\\a.txt");
    EXPECT_EQ(launch.length, text.size() - 1);

    const Element plain = First("<LAUNCH:calc.exe>");
    EXPECT_EQ(plain.Text(0), "calc.exe");
    EXPECT_EQ(plain.Text(1), "");
    EXPECT_EQ(plain.length, 17u);

    const std::string_view wait = "<LAUNCHNO:05Untitled - Notepad<LAUNCH:notepad.exe<PARAM>x.txt>!";
    const Element no = First(wait);
    EXPECT_EQ(no.tag->id, TagId::LaunchNo);
    EXPECT_EQ(no.Integer(0), 5);
    EXPECT_EQ(no.Text(1), "Untitled - Notepad");
    EXPECT_EQ(no.Text(2), "notepad.exe");
    EXPECT_EQ(no.Text(3), "x.txt");
    EXPECT_EQ(no.length, wait.size() - 1);

    const Element yes = First("<LAUNCHYES:10Calc<LAUNCH:calc.exe>");
    EXPECT_EQ(yes.Integer(0), 10);
    EXPECT_EQ(yes.Text(1), "Calc");
    EXPECT_EQ(yes.Text(2), "calc.exe");

    // A title with no "<" after it runs to the end and leaves no program.
    const Element cut = First("<LAUNCHNO:05Calc");
    EXPECT_EQ(cut.Text(1), "Calc");
    EXPECT_EQ(cut.Text(2), "");
    EXPECT_EQ(cut.length, 16u);
}

TEST(MacroTextReader, FilePairsSplitAtTheFirstSemicolon) {
    const Element copy = First("<COPYFILE:c:\\a.txt;d:\\b;c.txt>");
    EXPECT_EQ(copy.Text(0), "c:\\a.txt");
    EXPECT_EQ(copy.Text(1), "d:\\b;c.txt");
    const Element rename = First("<RENFILE:old.txt>");
    EXPECT_EQ(rename.Text(0), "old.txt");
    EXPECT_EQ(rename.Text(1), "");
}

TEST(MacroTextReader, ClipboardBlockEndsAtTheEndClipTag) {
    const std::vector<Element> block = SplitElements("<BEGCLIP>a<ENTER>b<ENDCLIP>c");
    ASSERT_EQ(block.size(), 3u);
    EXPECT_TRUE(block[0].clipClosed);
    EXPECT_EQ(block[0].Text(0), "a<ENTER>b");
    EXPECT_EQ(block[1].tag->id, TagId::EndClip);
    EXPECT_EQ(block[2].ch, 'c');

    const std::vector<Element> open = SplitElements("<BEGCLIP>ab");
    ASSERT_EQ(open.size(), 3u);
    EXPECT_FALSE(open[0].clipClosed);
    EXPECT_EQ(open[0].length, 9u);
}

TEST(MacroTextReader, ATagCheckNeverLooksPastTheEndOfTheText) {
    // Each view stops one character short of a whole tag held in the buffer behind it.
    for (std::string_view whole : {"<ENTER>", "<DELAY:00001>", "<MMS:00001,00002>", "<MM/DD/YY{Y}>",
                                   "<MM/DD/YY{YF001}>", "<hh:mm{N}>"}) {
        const std::string_view cut = whole.substr(0, whole.size() - 1);
        EXPECT_TRUE(AllLiteral(cut)) << cut;
    }
    // A text can end right after a free-text tag's spelling or inside its fixed fields.
    EXPECT_EQ(First("<WSIZE:0640").Integer(0), 640);
    EXPECT_EQ(First("<WSIZE:0640").length, 11u);
    EXPECT_EQ(First("<LAUNCH:").Text(0), "");
}

TEST(MacroTextReader, CarriageReturnAndLineFeedAreOneElement) {
    const std::vector<Element> lines = SplitElements("a\r\nb\rc\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].ch, '\r');
    EXPECT_EQ(lines[1].length, 2u);
    EXPECT_EQ(lines[2].start, 3u);
    EXPECT_EQ(lines[3].length, 1u); // a lone CR
    EXPECT_EQ(lines[5].ch, '\n');
}

TEST(MacroTextReader, DateTagsHaveAShortAndALongForm) {
    const Element shortForm = First("<MM/DD/YY{Y}>");
    EXPECT_EQ(shortForm.kind, ElementKind::Date);
    EXPECT_EQ(shortForm.stamp.format, 0u);
    EXPECT_EQ(shortForm.stamp.flag, 'Y');
    EXPECT_FALSE(shortForm.stamp.longForm);
    EXPECT_EQ(shortForm.length, 13u);

    const Element past = First("<MM/DD/YYYY{NP001}>");
    EXPECT_EQ(past.stamp.format, 3u);
    EXPECT_FALSE(past.stamp.KeepZeros());
    EXPECT_EQ(past.stamp.days, -1);
    EXPECT_EQ(past.length, 19u);

    EXPECT_EQ(First("<DD Mmm YYYY{YF007}>").stamp.days, 7);
    EXPECT_EQ(First("<Day of Week 3{YF000}>").stamp.format, 49u);
    EXPECT_EQ(First("<YYYY{Y}>").stamp.format, 46u);
    EXPECT_EQ(First("<MM{N}>").kind, ElementKind::Date); // not the start of "<MMS:"

    // Without ">" two after the flag the long form is taken, whatever its characters.
    const Element odd = First("<DD{Yabcde}>");
    EXPECT_TRUE(odd.stamp.longForm);
    EXPECT_EQ(odd.stamp.days, 0);
    EXPECT_EQ(odd.length, 11u);
    EXPECT_EQ(First("<MM{Y}abcdef").length, 11u); // a "}" alone does not make the short form
    const Element closed = First("<MM{Nx>");
    EXPECT_FALSE(closed.stamp.longForm);
    EXPECT_EQ(closed.length, 7u);
}

TEST(MacroTextReader, TimeTagsNeedAnExactFlag) {
    const Element noZero = First("<hh:mm{N}>");
    EXPECT_EQ(noZero.kind, ElementKind::Time);
    EXPECT_EQ(noZero.stamp.format, 0u);
    EXPECT_EQ(noZero.stamp.flag, 'N');
    EXPECT_EQ(noZero.length, 10u);

    const Element zero = First("<hh,mm,ss AM{Y}>");
    EXPECT_EQ(zero.stamp.format, 22u);
    EXPECT_TRUE(zero.stamp.KeepZeros());
    EXPECT_EQ(First("<hh.mma{N}>").stamp.format, 24u);

    EXPECT_TRUE(AllLiteral("<hh:mm{X}>"));
    EXPECT_TRUE(AllLiteral("<HH:MM{Y}>"));
}

TEST(MacroTextReader, SplitElementsCoversTheTextWithoutGapsOrOverlaps) {
    const std::string_view text = "Dear <SHIFT>sir,<ENTER><DELAY:00001><REM:note>"
                                  "<MM/DD/YY{Y}> <hh:mm{N}><LCLK>\r\n<X><LAUNCH:a<PARAM>b>";
    std::size_t pos = 0;
    for (const Element& e : SplitElements(text)) {
        EXPECT_EQ(e.start, pos);
        EXPECT_GT(e.length, 0u);
        pos = e.End();
    }
    EXPECT_EQ(pos, text.size());
}
