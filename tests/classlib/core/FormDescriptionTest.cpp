#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

#include "FormTestClasses.h"
#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "classlib/core/FormParser.h"
#include "classlib/core/FormPrinter.h"
#include "classlib/core/ResourceStream.h"
#include "classlib/core/Utf8.h"

using namespace formtest;

namespace {

std::wstring HexOf(int from, int to) {
  std::wstring hex;
  for (int i = from; i < to; ++i) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    hex += digits[(i * 7 & 0xFF) >> 4];
    hex += digits[i * 7 & 0xF];
  }
  return hex;
}

// The writer's own layout, so reading and writing it again gives it back.
std::wstring SampleForm() {
  return L"object Form1: TTestForm\r\n"
         L"  Caption = 'Tessarilo zegark'#243'w'\r\n"
         L"  Font.Height = -16\r\n"
         L"  Font.Name = 'Segoe UI'\r\n"
         L"  object Panel1: TTestControl\r\n"
         L"    Tag = 7\r\n"
         L"    Left = 10\r\n"
         L"    Align = alClient\r\n"
         L"    Anchors = [akLeft, akRight]\r\n"
         L"    Color = clRed\r\n"
         L"    Items.Strings = (\r\n"
         L"      'a'\r\n"
         L"      'it''s'\r\n"
         L"      #321#243'd'#378)\r\n"
         L"    Columns = <\r\n"
         L"      item\r\n"
         L"        Width = 10\r\n"
         L"      end\r\n"
         L"      item\r\n"
         L"        Width = 20\r\n"
         L"        Title = 'Cena'\r\n"
         L"      end>\r\n"
         L"    Picture.Data = {\r\n"
         L"      " + HexOf(0, 32) + L"\r\n"
         L"      " + HexOf(32, 40) + L"}\r\n"
         L"    Buddy = Button1\r\n"
         L"    object Button1: TTestControl\r\n"
         L"      Caption = 'OK'\r\n"
         L"      Visible = False\r\n"
         L"      Anchors = []\r\n"
         L"      Ratio = 1.5\r\n"
         L"      Buddy = Form1\r\n"
         L"      OnClick = Button1Click\r\n"
         L"    end\r\n"
         L"  end\r\n"
         L"  object Timer1: TTestControl\r\n"
         L"    Left = 3\r\n"
         L"  end\r\n"
         L"end\r\n";
}

class FormDescription : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    LoadedLog().clear();
  }
  std::unique_ptr<TTestForm> form = std::make_unique<TTestForm>(nullptr);
};

TEST_F(FormDescription, ReadsNestedComponentsPropertiesAndReferences) {
  ReadComponentFromText(form.get(), SampleForm());

  EXPECT_EQ(form->Name(), L"Form1");
  EXPECT_EQ(form->Caption(), L"Tessarilo zegarków");
  EXPECT_EQ(form->Font()->Height(), -16);
  EXPECT_EQ(form->Font()->Name(), L"Segoe UI");
  ASSERT_EQ(form->ComponentCount(), 3);  // all owned by the form, in reading order

  auto* panel = dynamic_cast<TTestControl*>(form->FindComponent(L"panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Tag(), 7);
  EXPECT_EQ(panel->Left(), 10);
  EXPECT_EQ(panel->Align(), alClient);
  EXPECT_EQ(panel->Anchors(), (TTestAnchors{akLeft, akRight}));
  EXPECT_EQ(panel->Color(), 0xFF);
  EXPECT_EQ(panel->Items()->Text(), L"a\r\nit's\r\nŁódź\r\n");
  ASSERT_EQ(panel->Columns()->Count(), 2);
  EXPECT_EQ(panel->Columns()->Items(1)->Width(), 20);
  EXPECT_EQ(panel->Columns()->Items(1)->Title(), L"Cena");
  ASSERT_EQ(panel->Picture()->Data.size(), 40u);
  EXPECT_EQ(panel->Picture()->Data[39], 39 * 7 & 0xFF);
  EXPECT_EQ(panel->Parent(), form.get());

  // A reference to a component defined later, and to the root itself.
  ASSERT_NE(form->Button1, nullptr);  // the form's field was bound
  EXPECT_EQ(panel->Buddy(), form->Button1);
  EXPECT_EQ(form->Button1->Buddy(), form.get());
  EXPECT_EQ(form->Button1->Parent(), panel);
  EXPECT_FALSE(form->Button1->Visible());
  EXPECT_TRUE(form->Button1->Anchors().Empty());
  EXPECT_DOUBLE_EQ(form->Button1->Ratio(), 1.5);

  // The event is bound to the form's method.
  ASSERT_TRUE(form->Button1->OnClick());
  form->Button1->OnClick()(form->Button1);
  ASSERT_EQ(form->Clicks.size(), 1u);
  EXPECT_EQ(form->Clicks[0], form->Button1);
}

TEST_F(FormDescription, LoadedRunsOnEveryComponentAfterFixups) {
  ReadComponentFromText(form.get(), SampleForm());
  ASSERT_EQ(LoadedLog().size(), 4u);
  EXPECT_EQ(LoadedLog()[0].Name, L"Form1");  // the root first
  EXPECT_EQ(LoadedLog()[1].Name, L"Panel1");
  for (const TLoadedRecord& r : LoadedLog()) {
    EXPECT_FALSE(r.State.Contains(csLoading)) << r.Name;  // cleared by TComponent::Loaded
    EXPECT_FALSE(r.State.Contains(csReading)) << r.Name;
  }
  EXPECT_TRUE(LoadedLog()[1].BuddyResolved);  // Panel1's reference was fixed before its Loaded
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
}

TEST_F(FormDescription, WritesBackWhatItRead) {
  ReadComponentFromText(form.get(), SampleForm());
  EXPECT_EQ(WriteComponentToText(form.get()), SampleForm());
}

TEST_F(FormDescription, DefaultsAndFailedStoredTestsAreNotWritten) {
  form->SetName(L"Form1");
  form->Font()->SetHeight(-12);     // its default
  form->SetColor(0);                // fails the stored test
  form->SetOnClick([](TObject*) {});  // not a form method: nothing to name
  EXPECT_EQ(WriteComponentToText(form.get()), L"object Form1: TTestForm\r\nend\r\n");
}

TEST_F(FormDescription, ParsesStringJoinsHexNumbersAndFloats) {
  const TFormObject o = ParseFormText(
      L"object X: TTestForm\n"
      L"  Caption = 'ab' +\n    'cd'#13#10#$141\n"
      L"  Left = $FF\n  Tag = -9223372036854775808\n  Ratio = 2.5e-3\n"
      L"  L = ('a' 'b' 1 x)\n"
      L"end");
  ASSERT_EQ(o.Properties.size(), 5u);
  EXPECT_EQ(o.Properties[0].Value.Text, L"abcd\r\nŁ");
  EXPECT_EQ(o.Properties[1].Value.Integer, 255);
  EXPECT_EQ(o.Properties[2].Value.Integer, INT64_MIN);
  EXPECT_DOUBLE_EQ(o.Properties[3].Value.Float, 0.0025);
  ASSERT_EQ(o.Properties[4].Value.Values.size(), 4u);  // separate strings stay separate
  EXPECT_EQ(o.Properties[4].Value.Values[1].Text, L"b");
  EXPECT_EQ(o.Properties[4].Line, 7);
  EXPECT_EQ(ParseFormText(L"object X: T\r  A = 1\r\r  B = 2\rend").Properties[1].Line, 4);  // CR alone ends lines too
}

TEST_F(FormDescription, BinaryValuesTakeDigitPairsAcrossBlanksAndLines) {
  // Whole lines of pairs, a pair split by a blank and by a line end, and
  // the line count kept for what follows.
  const TFormObject o = ParseFormText(
      L"object X: T\n  D = {\n    0A1b\n    2 C3\n    d\n    45}\n  E = 1\nend");
  ASSERT_EQ(o.Properties.size(), 2u);
  EXPECT_EQ(o.Properties[0].Value.Bytes, (std::vector<uint8_t>{0x0A, 0x1B, 0x2C, 0x3D, 0x45}));
  EXPECT_EQ(o.Properties[1].Line, 7);
}

TEST_F(FormDescription, PrintedTreesParseBackEqual) {
  const TFormObject o = ParseFormText(SampleForm());
  EXPECT_EQ(ParseFormText(PrintFormText(o)), o);
  EXPECT_EQ(QuoteFormString(L""), L"''");
  EXPECT_EQ(QuoteFormString(L"\t'x'"), L"#9'''x'''");
}

TEST_F(FormDescription, ReadsUtf8BytesWithByteOrderMark) {
  ReadComponentFromBytes(form.get(), "\xEF\xBB\xBFobject F: TTestForm\r\n  Caption = '\xC5\x81\xC3\xB3" "d\xC5\xBA'\r\nend\r\n");
  EXPECT_EQ(form->Caption(), L"Łódź");
}

TEST_F(FormDescription, ReadsItselfFromAResource) {
  SetResourceOpener([](const std::wstring& name) -> std::unique_ptr<TStream> {
    if (name != L"TTESTFORM") return nullptr;
    auto m = std::make_unique<TMemoryStream>();
    const std::string text = "object F: TTestForm\n  Left = 8\nend";
    m->WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    m->SetPosition(0);
    return m;
  });
  ReadComponentResource(form.get(), L"TTESTFORM");
  EXPECT_EQ(form->Left(), 8);
  EXPECT_THROW(ReadComponentResource(form.get(), L"TOTHER"), EResNotFound);
  SetResourceOpener(nullptr);
}

TEST_F(FormDescription, CreatesTheRootFromTheClassRegistry) {
  std::unique_ptr<TComponent> root(CreateComponentFromText(L"object F: TTestForm\n Left = 4\nend", nullptr));
  auto* created = dynamic_cast<TTestForm*>(root.get());
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->Left(), 4);
  EXPECT_THROW(CreateComponentFromText(L"object F: TNope\nend", nullptr), EParserError);
}

struct TBadCase {
  const wchar_t* text;
  const wchar_t* message;  // the whole message must start with this
};

TEST_F(FormDescription, MalformedDescriptionsNameTheLineAndTheProblem) {
  const TBadCase cases[] = {
      {L"", L"Line 1: Identifier expected"},
      {L"object F: TTestForm\n  Left = 1\n", L"Line 3: 'end' expected"},
      {L"object F: TTestForm\n  Caption = 'abc\nend", L"Line 2: Invalid string constant"},
      {L"object F: TTestForm\n  Caption = 'a' +\nend", L"Line 3: String expected"},
      {L"object F: TTestForm\n  Caption = #1114112\nend", L"Line 2: Invalid character code"},
      {L"object F: TTestForm\n  Picture.Data = {0A1}\nend", L"Line 2: Invalid binary value"},
      {L"object F: TTestForm\n  Picture.Data = {0G}\nend", L"Line 2: Invalid binary value"},
      {L"object F: TTestForm\n  Left = 12abc\nend", L"Line 2: Invalid number"},
      {L"object F: TTestForm\n  Left = 99999999999999999999\nend", L"Line 2: Number out of range"},
      {L"object F: TTestForm\n  Left = 99999999999\nend", L"Line 2: Value 99999999999 out of range"},
      {L"object F: TTestForm\n  Left = 'x'\nend", L"Line 2: Invalid value for property Left"},
      {L"object F: TTestForm\n  Anchors = [akLeft,\nend", L"Line 3: ']' expected"},
      {L"object F: TTestForm\n  Anchors = [akLeft, akNowhere]\nend", L"Line 2: Invalid set element akNowhere"},
      {L"object F: TTestForm\n  Align = alSideways\nend", L"Line 2: Invalid value for property Align"},
      {L"object F: TTestForm\n  Visible = 1\nend", L"Line 2: Invalid value for property Visible"},
      {L"object F: TTestForm\n  Font = <>\nend", L"Line 2: Invalid value for property Font"},
      {L"object F: TTestForm\n\n  Foo = 1\nend", L"Line 3: Property Foo does not exist"},
      {L"object F: TTestForm\n  Font.Foo.Bar = 1\nend", L"Line 2: Property Font.Foo.Bar does not exist"},
      {L"object F: TTestForm\n  Items.Strings = ('a' 2)\nend", L"Line 2: Error reading F.Items.Strings: String expected"},
      {L"object F: TTestForm\n  Columns = < item Height = 1 end >\nend", L"Line 2: Property Height does not exist"},
      {L"object F: TTestForm\n  Columns = < thing end >\nend", L"Line 2: 'item' expected"},
      {L"object F: TTestForm\n  OnClick = Nope\nend", L"Line 2: Method Nope not found"},
      {L"object F: TTestForm\n  OnClick = FormResize\nend", L"Line 2: Method FormResize does not fit event OnClick"},
      {L"object F: TTestForm\n  Buddy = Nope\nend", L"Line 2: Component Nope not found"},
      {L"object F: TTestForm\n  object B: TNope\n  end\nend", L"Line 2: Class TNope not found"},
      {L"object F: TTestForm\n  object B: TTestControl\n  end\n  object b: TTestControl\n  end\nend",
       L"Line 4: A component named b already exists"},
      {L"object F: TTestForm\n  object 1B: TTestControl\n  end\nend", L"Line 2: Identifier expected"},
      {L"object F: TTestForm\n  object Button1: TTestFont\n  end\nend", L"Line 2: Class TTestFont not found"},
      {L"object F: TTestForm\nend\nobject G: TTestForm\nend", L"Line 3: Text after the end of the form"},
      {L"object F: TOtherForm\nend", L"Line 1: Class TOtherForm does not match TTestForm"},
      {L"inherited F: TTestForm\nend", L"Line 1: Inherited forms are not supported"},
      {L"object F: TTestForm\n  object B: TTestControl\n  end\n  Left = 1\nend", L"Line 4: 'object' expected"},
  };
  for (const TBadCase& c : cases) {
    auto fresh = std::make_unique<TTestForm>(nullptr);
    try {
      ReadComponentFromText(fresh.get(), c.text);
      ADD_FAILURE() << "no error for: " << classlib::WideToUtf8(c.text);
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message().rfind(c.message, 0), 0u)
          << classlib::WideToUtf8(c.text) << "\n  gave: " << e.what();
    }
    for (int i = 0; i < fresh->ComponentCount(); ++i)
      EXPECT_FALSE(fresh->Components(i)->ComponentState().Contains(csLoading));
    EXPECT_FALSE(fresh->ComponentState().Contains(csLoading));
  }
}

TEST_F(FormDescription, BytesParseAsTheirTextDoes) {
  // Binary values are read from the bytes before the text becomes UTF-16:
  // values, lines and messages stay those of the text.
  const auto outcome = [](const auto& parse) -> std::variant<TFormObject, std::wstring> {
    try {
      return parse();
    } catch (const EParserError& e) {
      return e.Message();
    }
  };
  std::vector<std::wstring> texts = {
      SampleForm(),
      L"object X: T\n  D = {\n    0A1b\n    2 C3\n    d\n    45}\n  E = {}\n  F = 1\nend",
      L"object X: T\r  D = {00\r\r11}\r\n  S = 'a{0}''{b' + #39'{'\n  E = 2\nend",
      L"object X: T\n  D = {0A1}\n  E = {00}\nend",
      L"object X: T\n  D = {00}\n  E = {#0}\nend",
      L"object X: T\n  D = {00}\n  E = {0'}\n  F = {11}\nend",
      L"object X: T\n  D = {00\n\n  E = 1\nend",
      L"object X: T\n  D = {00}\n  E = {11}\n  Q = \nend",
  };
  const std::wstring sample = SampleForm();
  for (size_t n = 0; n < sample.size(); n += 7) texts.push_back(sample.substr(0, n));
  for (const std::wstring& text : texts) {
    const std::string bytes = classlib::WideToUtf8(text);
    EXPECT_EQ(outcome([&] { return ParseFormBytes(bytes); }), outcome([&] { return ParseFormText(text); }))
        << bytes;
  }
}

TEST_F(FormDescription, DeepNestingIsRefusedNotOverflowed) {
  const std::wstring text = L"object F: TTestForm\n  L = " + std::wstring(100000, L'(') + L"\nend";
  EXPECT_THROW(ParseFormText(text), EParserError);
  std::wstring objects;
  for (int i = 0; i < 5000; ++i) objects += L"object A: TTestControl\n";
  EXPECT_THROW(ParseFormText(L"object F: TTestForm\n" + objects), EParserError);
}

TEST_F(FormDescription, EveryTruncationFailsCleanly) {
  const std::wstring text = SampleForm();
  for (size_t n = 0; n < text.size(); n += 3) {
    auto fresh = std::make_unique<TTestForm>(nullptr);
    try {
      ReadComponentFromText(fresh.get(), text.substr(0, n));
    } catch (const EParserError&) {
    }
  }
}

}  // namespace
