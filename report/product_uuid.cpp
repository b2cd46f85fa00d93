// The product UUID of the machine, as its firmware gives it to WMI.
#include <windows.h>
#include <wbemidl.h>

#include "common/scoped_handle.h"
#include "report/com_apartment.h"
#include "report/windows_identity.h"

namespace lumo {
namespace {

std::string ToAnsi(const wchar_t* text, int length) {
  if (length <= 0) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, &narrow[0], size, nullptr, nullptr);
  return narrow;
}

// A services object of the local "ROOT\CIMV2" namespace, or an empty one.
ComPtr<IWbemServices> ConnectToCimNamespace() {
  ComPtr<IWbemLocator> locator;
  ComPtr<IWbemServices> services;
  if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              reinterpret_cast<void**>(locator.receive())))) {
    return services;
  }
  const ScopedBstr name(L"ROOT\\CIMV2");
  if (FAILED(locator.get()->ConnectServer(name.get(), nullptr, nullptr, nullptr, 0, nullptr,
                                          nullptr, services.receive())) ||
      FAILED(CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                               RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                               EOAC_NONE))) {
    services.reset();
  }
  return services;
}

// The UUID property of the last object the query returns; a UUID that is
// not a string counts as empty.
std::string LastProductUuid(IEnumWbemClassObject* objects) {
  std::string uuid;
  for (;;) {
    ComPtr<IWbemClassObject> object;
    ULONG returned = 0;
    if (FAILED(objects->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.receive(), &returned)) ||
        returned == 0) {
      return uuid;
    }
    ScopedVariant value;
    const bool isText = SUCCEEDED(object.get()->Get(L"UUID", 0, value.get(), nullptr, nullptr)) &&
                        V_VT(&*value) == VT_BSTR && V_BSTR(&*value) != nullptr;
    uuid = isText ? ToAnsi(V_BSTR(&*value), static_cast<int>(SysStringLen(V_BSTR(&*value))))
                  : std::string();
  }
}

std::string QueryProductUuid() {
  const HRESULT security =
      CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                           RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
  if (FAILED(security) && security != RPC_E_TOO_LATE) return std::string();
  const ComPtr<IWbemServices> services = ConnectToCimNamespace();
  if (!services) return std::string();
  const ScopedBstr language(L"WQL");
  const ScopedBstr query(L"SELECT * FROM Win32_ComputerSystemProduct");
  ComPtr<IEnumWbemClassObject> objects;
  if (FAILED(services.get()->ExecQuery(language.get(), query.get(),
                                       WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                       nullptr, objects.receive()))) {
    return std::string();
  }
  return LastProductUuid(objects.get());
}

}  // namespace

std::string GetProductUuid() {
  // Every COM object is released inside the query, before the apartment ends.
  const ComApartment apartment;
  return QueryProductUuid();
}

}  // namespace lumo
