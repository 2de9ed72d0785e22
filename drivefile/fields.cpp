#include "drivefile/fields.h"

#include <cmath>
#include <limits>

#include "runtime/std_fallback.h"

namespace selbrin::drivefile {
namespace {

using Reason = std::optional<std::string>;

// Nine significant digits tell every single-precision number from its
// neighbours, so the nearest single to the written decimal is the one saved.
constexpr int kSingleDigits = 9;
constexpr std::size_t kNumberRoom = 32;
constexpr std::string_view kNoProfile = "-";

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

Field Title(std::string name, std::string sheet::TitleBlock::*member) {
  return {name, false,
          [member](const Drive& d) -> std::optional<std::string> {
            const std::string& v = d.title.*member;
            if (v.empty()) return std::nullopt;
            return v;
          },
          [member](std::string_view v, Drive& d) -> Reason {
            d.title.*member = std::string(v);
            return std::nullopt;
          }};
}

Field TextField(Ctl c) {
  auto i = static_cast<std::size_t>(c);
  int limit = Def(c).max_chars;
  return {std::string(Def(c).name), true, [i](const Drive& d) { return d.controls[i].text; },
          [i](std::string_view v, Drive& d) -> Reason {
            d.controls[i].text = std::string(v);
            return std::nullopt;
          },
          // The limit holds what the user types; the program may write more.
          [i, limit, c](const Drive& d) -> Reason {
            const ControlRecord& r = d.controls[i];
            if (limit > 0 && !r.by_program && CountChars(r.text) > limit) {
              return Quoted(Def(c).name) + " en çok " + std::to_string(limit) + " karakter tutar";
            }
            return std::nullopt;
          }};
}

Field CheckField(Ctl c) {
  auto i = static_cast<std::size_t>(c);
  return {std::string(Def(c).name), true,
          [i](const Drive& d) { return std::to_string(d.controls[i].value); },
          [i, c](std::string_view v, Drive& d) -> Reason {
            if (v != "0" && v != "1") return Quoted(Def(c).name) + " değeri 0 ya da 1 olmalı";
            d.controls[i].value = v == "1" ? 1 : 0;
            return std::nullopt;
          }};
}

std::optional<int> SelectedIn(const Drive& d) {
  for (int i = 0; i < kProfileCount; ++i) {
    if (d.controls[static_cast<std::size_t>(Option(i))].value != 0) return i;
  }
  return std::nullopt;
}

Field OptionField() {
  return {"Option1", true,
          [](const Drive& d) {
            std::optional<int> p = SelectedIn(d);
            return p ? std::to_string(*p) : std::string(kNoProfile);
          },
          [](std::string_view v, Drive& d) -> Reason {
            bool digit = v.size() == 1 && v[0] >= '0' && v[0] < '0' + kProfileCount;
            if (!digit && v != kNoProfile) {
              return "\"Option1\" değeri 0 ile " + std::to_string(kProfileCount - 1) +
                     " arasında bir sayı ya da \"-\" olmalı";
            }
            for (int i = 0; i < kProfileCount; ++i) {
              d.controls[static_cast<std::size_t>(Option(i))].value = digit && v[0] - '0' == i;
            }
            return std::nullopt;
          }};
}

std::string SingleText(float f) {
  std::array<char, kNumberRoom> buf{};
  auto r = ToCharsGeneral(buf.data(), buf.data() + buf.size(), f, kSingleDigits);
  return {buf.data(), r.ptr};
}

Reason ReadSingle(std::string_view name, std::string_view v, float& out) {
  double x = 0;
  auto r = FromChars(v.data(), v.data() + v.size(), x);
  bool whole = r.ec == std::errc() && r.ptr == v.data() + v.size() && !v.empty();
  if (!whole || !std::isfinite(x)) return Quoted(name) + " değeri bir sayı olmalı";
  if (std::abs(x) > std::numeric_limits<float>::max() || std::isinf(static_cast<float>(x))) {
    return Quoted(name) + " değeri tek duyarlıklı bir sayıya sığmıyor";
  }
  out = static_cast<float>(x);
  return std::nullopt;
}

Field VariableField(std::size_t i) {
  std::string name(kFormVariables[i].name);
  return {name, true, [i](const Drive& d) { return SingleText(d.variables[i]); },
          [i, name](std::string_view v, Drive& d) { return ReadSingle(name, v, d.variables[i]); }};
}

std::string WrittenList(const Drive& d) {
  std::string s;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (!d.controls[i].by_program) continue;
    if (!s.empty()) s += ' ';
    s += Def(static_cast<Ctl>(i)).name;
  }
  return s;
}

Reason ReadWrittenList(std::string_view v, Drive& d) {
  for (ControlRecord& r : d.controls) r.by_program = false;
  while (!v.empty()) {
    std::size_t space = v.find(' ');
    std::string_view name = v.substr(0, space);
    v = space == std::string_view::npos ? std::string_view{} : v.substr(space + 1);
    std::optional<Ctl> c = FindControl(name);
    if (!c || !KeepsText(*c)) return "\"ProgramWritten\" içinde metin tutmayan ad " + Quoted(name);
    ControlRecord& r = d.controls[static_cast<std::size_t>(*c)];
    if (r.by_program) return "\"ProgramWritten\" içinde " + Quoted(name) + " iki kez geçiyor";
    r.by_program = true;
  }
  return std::nullopt;
}

Field OutdatedField() {
  return {"ResultsOutdated", true,
          [](const Drive& d) { return std::string(d.results_outdated ? "1" : "0"); },
          [](std::string_view v, Drive& d) -> Reason {
            if (v != "0" && v != "1") return "\"ResultsOutdated\" değeri 0 ya da 1 olmalı";
            d.results_outdated = v == "1";
            return std::nullopt;
          }};
}

// The fault that cut the last "Hesapla" short, by the runner's name of its kind;
// the line is left out when there was none, as in files written before it.
Field CalculationFaultField() {
  return {"CalculationFault", false,
          [](const Drive& d) -> std::optional<std::string> {
            if (!d.calculation_fault) return std::nullopt;
            return std::string(FaultName(*d.calculation_fault));
          },
          [](std::string_view v, Drive& d) -> Reason {
            for (FaultKind k :
                 {FaultKind::DivisionByZero, FaultKind::InvalidArgument, FaultKind::Overflow}) {
              if (v == FaultName(k)) {
                d.calculation_fault = k;
                return std::nullopt;
              }
            }
            return "\"CalculationFault\" değeri bilinen bir hata değil: " + Quoted(v);
          }};
}

std::vector<Field> MakeFields() {
  std::vector<Field> f;
  f.push_back(Title("Proje", &sheet::TitleBlock::proje));
  f.push_back(Title("Tahrik", &sheet::TitleBlock::tahrik));
  f.push_back(Title("Kompresör", &sheet::TitleBlock::kompresor));
  f.push_back(Title("Hazırlayan", &sheet::TitleBlock::hazirlayan));
  f.push_back(Title("Kontrol eden", &sheet::TitleBlock::kontrol_eden));
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    if (KeepsText(c)) f.push_back(TextField(c));
    if (Def(c).kind == Kind::CheckBox) f.push_back(CheckField(c));
    if (c == Option(0)) f.push_back(OptionField());
  }
  f.push_back({"ProgramWritten", true, WrittenList, ReadWrittenList});
  for (std::size_t i = 0; i < kFormVariables.size(); ++i) f.push_back(VariableField(i));
  f.push_back(OutdatedField());
  f.push_back(CalculationFaultField());
  return f;
}

}  // namespace

const std::vector<Field>& Fields() {
  static const std::vector<Field> fields = MakeFields();
  return fields;
}

}  // namespace selbrin::drivefile
