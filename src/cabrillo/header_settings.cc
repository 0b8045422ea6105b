#include "cabrillo/header_settings.h"

#include "cabrillo/multi_line_forms.h"

namespace velmora {
namespace {
constexpr std::string_view kSection = "Settings";
}

void readHeaderSettings(SettingsStore& settings, std::string_view myCall, HeaderFields& fields) {
  fields.operators = settings.read(kSection, "Operators", myCall);
  fields.name = settings.read(kSection, "Name", "");
  fields.address = storedToEdited(settings.read(kSection, "Address", ""));
  fields.claimed = settings.read(kSection, "Claimed", "");
  fields.contest = "Velmora";
  fields.category = "SOAB";
  fields.power = "DX";
  fields.email = settings.read(kSection, "Email", "");
  fields.club = settings.read(kSection, "Club", "");
  fields.soapBox = storedToEdited(settings.read(kSection, "SoapBox", ""));
}

void writeHeaderSettings(SettingsStore& settings, const HeaderFields& stored) {
  settings.write(kSection, "Operators", stored.operators);
  settings.write(kSection, "Name", stored.name);
  settings.write(kSection, "Address", stored.address);
  settings.write(kSection, "Category", stored.category);
  settings.write(kSection, "Power", stored.power);
  settings.write(kSection, "Contest", stored.contest);
  settings.write(kSection, "Email", stored.email);
  settings.write(kSection, "Club", stored.club);
  settings.write(kSection, "SoapBox", stored.soapBox);
}

}  // namespace velmora
