// Binary <-> text conversion of a large form: thousands of components with the
// property values real forms have (integers, identifiers, sets, strings, string
// lists, binary data, collections, floats).
#include <benchmark/benchmark.h>

#include <string>

#include "kcl/classes/extended.h"
#include "kcl/classes/filer.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/streams.h"

namespace {

class FormBuilder {
public:
  FormBuilder() { FBytes = "TPF0"; }
  void Byte(uint8_t b) { FBytes += static_cast<char>(b); }
  void Str(const std::string& s) {
    Byte(static_cast<uint8_t>(s.size()));
    FBytes += s;
  }
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
  }
  void Int(const std::string& name, int32_t v) {
    Str(name);
    if (v >= -128 && v <= 127) {
      Byte(kcl::vaInt8);
      Byte(static_cast<uint8_t>(v));
    } else if (v >= -32768 && v <= 32767) {
      Byte(kcl::vaInt16);
      Byte(static_cast<uint8_t>(v));
      Byte(static_cast<uint8_t>(v >> 8));
    } else {
      Byte(kcl::vaInt32);
      U32(static_cast<uint32_t>(v));
    }
  }
  void StringValue(const std::string& s) {
    if (s.size() <= 255) {
      Byte(kcl::vaString);
      Str(s);
    } else {
      Byte(kcl::vaLString);
      U32(static_cast<uint32_t>(s.size()));
      FBytes += s;
    }
  }
  void String(const std::string& name, const std::string& s) {
    Str(name);
    StringValue(s);
  }
  void Ident(const std::string& name, const std::string& ident) {
    Str(name);
    Byte(kcl::vaIdent);
    Str(ident);
  }
  void Bool(const std::string& name, bool b) {
    Str(name);
    Byte(b ? kcl::vaTrue : kcl::vaFalse);
  }
  void Set(const std::string& name, std::initializer_list<const char*> items) {
    Str(name);
    Byte(kcl::vaSet);
    for (const char* i : items) Str(i);
    Byte(0);
  }
  void Binary(const std::string& name, size_t count, unsigned seed) {
    Str(name);
    Byte(kcl::vaBinary);
    U32(static_cast<uint32_t>(count));
    for (size_t i = 0; i < count; ++i) Byte(static_cast<uint8_t>(seed * 31 + i * 7));
  }
  void Float(const std::string& name, double v) {
    Str(name);
    Byte(kcl::vaExtended);
    const kcl::TExtendedBytes b = kcl::LongDoubleToExtended(v);
    FBytes.append(reinterpret_cast<const char*>(b.data()), b.size());
  }
  void Header(const std::string& cls, const std::string& name) {
    Str(cls);
    Str(name);
  }
  void End() { Byte(0); }

  void Component(int i) {
    const std::string n = std::to_string(i);
    switch (i % 6) {
      case 0:
        Header("TButton", "Button" + n);
        Int("Left", 8 + i % 500);
        Int("Top", 16 + i % 400);
        Int("Width", 75);
        Int("Height", 25);
        String("Caption", "&Button number " + n);
        Bool("Default", i % 2 == 0);
        Int("TabOrder", i % 300);
        Ident("OnClick", "Button" + n + "Click");
        End();
        End();
        break;
      case 1:
        Header("TLabel", "Label" + n);
        Int("Left", i % 700);
        Int("Top", -(i % 50));
        String("Caption", "A label caption that is long enough to be wrapped onto more than one line, number " + n +
                              ", with 'quotes' and\ta tab");
        Ident("Font.Color", "clWindowText");
        Int("Font.Height", -11);
        String("Font.Name", "MS Sans Serif");
        Set("Font.Style", {"fsBold", "fsUnderline"});
        End();
        End();
        break;
      case 2:
        Header("TMemo", "Memo" + n);
        Int("Left", 100000 + i);
        Str("Lines.Strings");
        Byte(kcl::vaList);
        for (int l = 0; l < 8; ++l) StringValue("Line " + std::to_string(l) + " of memo " + n + " \xE4\xF6\xFC");
        Byte(0);
        Ident("ScrollBars", "ssBoth");
        End();
        End();
        break;
      case 3:
        Header("TImage", "Image" + n);
        Int("Left", 8);
        Binary("Picture.Data", 300 + static_cast<size_t>(i % 200), static_cast<unsigned>(i));
        Bool("Stretch", true);
        End();
        End();
        break;
      case 4:
        Header("TListView", "ListView" + n);
        Str("Columns");
        Byte(kcl::vaCollection);
        for (int c = 0; c < 4; ++c) {
          if (c % 2) {
            Byte(kcl::vaInt8);
            Byte(static_cast<uint8_t>(c));
          }
          Byte(kcl::vaList);
          String("Caption", "Column " + std::to_string(c));
          Int("Width", 50 + c * 10);
          End();
        }
        Byte(0);
        Float("Ratio", 1.5 + i);
        End();
        End();
        break;
      default:
        Header("TPanel", "Panel" + n);
        Int("Left", 0);
        Ident("Align", "alTop");
        String("Hint", std::string(300, 'h'));
        End();
        Header("TCheckBox", "CheckBox" + n);
        Bool("Checked", true);
        String("Caption", "");
        End();
        End();
        End();
        break;
    }
  }

  std::string Build(int components) {
    Header("TMainForm", "MainForm");
    Int("Left", 192);
    String("Caption", "A large form");
    End();
    for (int i = 0; i < components; ++i) Component(i);
    End();
    return FBytes;
  }

private:
  std::string FBytes;
};

const std::string& LargeBinary() {
  static const std::string binary = FormBuilder().Build(20000);
  return binary;
}

const std::string& LargeText() {
  static const std::string text = kcl::ObjectBinaryToText(LargeBinary());
  return text;
}

void BM_BinaryToText(benchmark::State& state) {
  const std::string& binary = LargeBinary();
  kcl::TStringStream in(binary);
  kcl::TStringStream out;
  for (auto _ : state) {
    in.SetPosition(0);
    out.SetSize(0);
    kcl::ObjectBinaryToText(in, out);
    benchmark::DoNotOptimize(out.DataString().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(binary.size()));
  state.counters["input_MB"] = static_cast<double>(binary.size()) / 1e6;
}
BENCHMARK(BM_BinaryToText)->Unit(benchmark::kMillisecond);

void BM_TextToBinary(benchmark::State& state) {
  const std::string& text = LargeText();
  kcl::TStringStream in(text);
  kcl::TStringStream out;
  for (auto _ : state) {
    in.SetPosition(0);
    out.SetSize(0);
    kcl::ObjectTextToBinary(in, out);
    benchmark::DoNotOptimize(out.DataString().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.counters["input_MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_TextToBinary)->Unit(benchmark::kMillisecond);

// The same with new streams each time, as a program converting files has them:
// this also measures allocating (and first touching) the memory.
void BM_BinaryToTextFreshStreams(benchmark::State& state) {
  const std::string& binary = LargeBinary();
  for (auto _ : state) {
    kcl::TMemoryStream in;
    in.WriteString(binary);
    in.SetPosition(0);
    kcl::TMemoryStream out;
    kcl::ObjectBinaryToText(in, out);
    benchmark::DoNotOptimize(out.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(binary.size()));
}
BENCHMARK(BM_BinaryToTextFreshStreams)->Unit(benchmark::kMillisecond);

void BM_TextToBinaryFreshStreams(benchmark::State& state) {
  const std::string& text = LargeText();
  for (auto _ : state) {
    kcl::TMemoryStream in;
    in.WriteString(text);
    in.SetPosition(0);
    kcl::TMemoryStream out;
    kcl::ObjectTextToBinary(in, out);
    benchmark::DoNotOptimize(out.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TextToBinaryFreshStreams)->Unit(benchmark::kMillisecond);

}  // namespace
