#include "platform/win32/header_dialog.h"

#include <cstring>
#include <string>

#include "resources/resource.h"

namespace velmora {
namespace {

// Which field each control shows and edits.
struct Binding {
  int controlId;
  std::string HeaderFields::*field;
  bool comboBox;
};

constexpr Binding kBindings[] = {
    {IDC_CALLSIGN, &HeaderFields::callSign, false},
    {IDC_CLAIMED, &HeaderFields::claimed, false},
    {IDC_CLUB, &HeaderFields::club, false},
    {IDC_CATEGORY, &HeaderFields::category, true},
    {IDC_CONTEST, &HeaderFields::contest, false},
    {IDC_EMAIL, &HeaderFields::email, false},
    {IDC_NAME, &HeaderFields::name, false},
    {IDC_OPERATORS, &HeaderFields::operators, false},
    {IDC_SOAPBOX, &HeaderFields::soapBox, false},
    {IDC_ADDRESS, &HeaderFields::address, false},
    {IDC_POWER, &HeaderFields::power, true},
};

constexpr WORD kDlgInitResourceType = 240;
constexpr WORD kDlgInitAddString = 0x0403;  // the template's code for "add a combo-box string"

struct DialogContext {
  HINSTANCE module;
  HeaderFields* fields;
};

// Fills the combo boxes from the template's initial items: entries of a
// control id, a message code, a 32-bit byte count and that many bytes, up
// to an id of zero.
void addInitialItems(HINSTANCE module, HWND dialog) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_HEADER_DIALOG),
                              MAKEINTRESOURCEA(kDlgInitResourceType));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  if (data == nullptr) return;
  const DWORD size = SizeofResource(module, found);
  for (DWORD at = 0; at + 8 <= size;) {
    WORD id = 0;
    WORD message = 0;
    DWORD length = 0;
    std::memcpy(&id, data + at, 2);
    std::memcpy(&message, data + at + 2, 2);
    std::memcpy(&length, data + at + 4, 4);
    at += 8;
    if (id == 0 || length > size - at) return;
    if (message == kDlgInitAddString) {
      const auto* bytes = reinterpret_cast<const char*>(data + at);
      const std::string item(bytes, strnlen(bytes, length));  // the count includes the zero
      SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    at += length;
  }
}

void showFields(HWND dialog, const HeaderFields& fields) {
  for (const Binding& b : kBindings) {
    const char* text = (fields.*b.field).c_str();
    HWND control = GetDlgItem(dialog, b.controlId);
    // A combo box selects the first item beginning with the text (letter
    // case ignored), else shows the text itself.
    if (!b.comboBox ||
        SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text)) == CB_ERR) {
      SetWindowTextA(control, text);
    }
  }
}

std::string controlText(HWND control) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  const int copied = GetWindowTextA(control, &text[0], static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* context = reinterpret_cast<const DialogContext*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(context->fields));
      addInitialItems(context->module, dialog);
      showFields(dialog, *context->fields);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* fields = reinterpret_cast<HeaderFields*>(GetWindowLongPtrA(dialog, DWLP_USER));
        try {
          for (const Binding& b : kBindings) {
            fields->*b.field = controlText(GetDlgItem(dialog, b.controlId));
          }
          EndDialog(dialog, IDOK);
        } catch (...) {  // nothing may unwind through the window procedure
          EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

bool runHeaderDialog(HINSTANCE module, HWND owner, HeaderFields& fields) {
  HeaderFields edited = fields;
  DialogContext context{module, &edited};
  const INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_HEADER_DIALOG), owner,
                                         dialogProc, reinterpret_cast<LPARAM>(&context));
  if (result != IDOK) return false;
  fields = std::move(edited);
  return true;
}

}  // namespace velmora
