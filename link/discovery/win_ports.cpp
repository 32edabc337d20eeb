// The COM ports Windows has: those of the "Ports" device class, with the name the driver gave
// them ("USB-SERIAL CH340") and the USB ids of the adapter they sit on, and those a driver entered
// only in the serial-port map (virtual ports).
#include <windows.h>
// windows.h first: the setup API needs its types.
#include <devguid.h>
#include <setupapi.h>

#include <QList>
#include <QString>
#include <optional>

#include "link/discovery/port_names.h"

namespace vorlan {
namespace {

QString RegistryText(HKEY key, const wchar_t* value) {
  wchar_t text[256] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return {};
  }
  return QString::fromWCharArray(text);
}

QString DeviceText(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property) {
  wchar_t text[256] = {};
  if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, nullptr,
                                         reinterpret_cast<BYTE*>(text), sizeof text - 2, nullptr)) {
    return {};
  }
  return QString::fromWCharArray(text);
}

// The serial number in a USB device's instance id ("USB\VID_0403&PID_6015\DN05ABCD"): its last
// part, unless Windows made that part up itself for a device without one ("5&2a3b4c&0&2").
QString UsbSerialOf(HDEVINFO devices, SP_DEVINFO_DATA& device) {
  wchar_t id[512] = {};
  if (!SetupDiGetDeviceInstanceIdW(devices, &device, id, 511, nullptr)) return {};
  const QString instance = QString::fromWCharArray(id);
  if (!instance.startsWith(QLatin1String("USB\\"), Qt::CaseInsensitive)) return {};
  const QString last = instance.section('\\', -1);
  return last.contains('&') ? QString() : last;
}

bool IsComName(const QString& name) {
  return name.startsWith(QLatin1String("COM"));
}

void AddPort(QList<PresentPort>& ports, const QString& name, const QString& description,
             std::optional<UsbId> usb = std::nullopt, const QString& serial = {}) {
  if (!IsComName(name)) return;  // the class holds printer ports (LPT1) too
  for (const auto& port : ports) {
    if (port.name == name) return;
  }
  ports.append({name, name, description, usb, serial});
}

void AddClassPorts(QList<PresentPort>& ports) {
  HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
  if (devices == INVALID_HANDLE_VALUE) return;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD i = 0; SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
    HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) continue;
    const QString name = RegistryText(key, L"PortName");
    RegCloseKey(key);
    // The hardware ids are a list; the first, the most specific, names the ids.
    AddPort(ports, name, DeviceText(devices, device, SPDRP_DEVICEDESC),
            UsbIdOfHardwareId(DeviceText(devices, device, SPDRP_HARDWAREID)),
            UsbSerialOf(devices, device));
  }
  SetupDiDestroyDeviceInfoList(devices);
}

void AddMappedPorts(QList<PresentPort>& ports) {
  HKEY map = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &map) !=
      ERROR_SUCCESS) {
    return;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t device[256] = {};
    DWORD deviceLength = 255;
    if (RegEnumValueW(map, i, device, &deviceLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    AddPort(ports, RegistryText(map, device), {});
  }
  RegCloseKey(map);
}

}  // namespace

QList<PresentPort> PresentPorts() {
  QList<PresentPort> ports;
  AddClassPorts(ports);
  AddMappedPorts(ports);
  return ports;
}

}  // namespace vorlan
