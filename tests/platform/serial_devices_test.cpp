#include "platform/device_choice.h"
#include "platform/open_failure.h"

#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// A machine's /sys and /dev in a temporary folder.
struct FakeMachine {
  QTemporaryDir folder;
  fs::path sys = folder.path().toStdString() + "/sys";
  fs::path dev = folder.path().toStdString() + "/dev";

  void write(const fs::path& file, const std::string& text) const {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
  }
  // A terminal whose device lies at `device` under sys/devices; `type` is its port type, if any.
  void tty(const std::string& name, const std::string& device, const char* type = nullptr) const {
    fs::create_directories(sys / "devices" / device);
    fs::create_directories(sys / "class/tty" / name);
    fs::create_directory_symlink(sys / "devices" / device, sys / "class/tty" / name / "device");
    if (type != nullptr)
      write(sys / "class/tty" / name / "type", type);
  }
  void byId(const std::string& name, const std::string& node) const {
    fs::create_directories(dev / "serial/by-id");
    fs::create_symlink("../../" + node, dev / "serial/by-id" / name);
  }
};

TEST(SerialDevices, adaptersComeFirstInByIdOrderThenBuiltInPortsWithAUart) {
  FakeMachine machine;
  EXPECT_TRUE(listSerialDevices(machine.sys, machine.dev).empty());

  machine.tty("ttyUSB1", "usb1/1-2/1-2:1.0/ttyUSB1");
  machine.write(machine.sys / "devices/usb1/1-2/idVendor", "1234");
  machine.write(machine.sys / "devices/usb1/1-2/manufacturer", "Larkspur Devices");
  machine.write(machine.sys / "devices/usb1/1-2/product", "USB Link");
  machine.byId("usb-Larkspur_Devices_USB_Link_A1B2-if00-port0", "ttyUSB1");
  machine.tty("ttyACM0", "usb1/1-3/1-3:1.0"); // no serial number, no maker string
  machine.write(machine.sys / "devices/usb1/1-3/idVendor", "2345");
  machine.write(machine.sys / "devices/usb1/1-3/product", "Quill Serial");
  machine.byId("usb-Quill_Serial-if00", "ttyACM0");
  machine.tty("ttyUSB0", "usb1/1-4/1-4:1.0/ttyUSB0"); // its twin took the by-id name
  machine.write(machine.sys / "devices/usb1/1-4/idVendor", "2345");
  machine.tty("ttyS10", "pnp0/00:05", "4");
  machine.tty("ttyS2", "pnp0/00:04", "4");
  machine.tty("ttyS1", "serial8250", "0");
  machine.tty("ttyS3", "serial8250");
  fs::create_directories(machine.sys / "class/tty/tty0");

  std::vector<std::string> described;
  for (const SerialDevice& device : listSerialDevices(machine.sys, machine.dev))
    described.push_back(fs::relative(device.path, machine.dev).string() + " = " + describeSerialDevice(device));
  const std::string dev = machine.dev.string();
  EXPECT_EQ(described,
            (std::vector<std::string>{
                "serial/by-id/usb-Larkspur_Devices_USB_Link_A1B2-if00-port0 = Larkspur Devices USB Link (" + dev +
                    "/ttyUSB1)",
                "serial/by-id/usb-Quill_Serial-if00 = Quill Serial (" + dev + "/ttyACM0)",
                "ttyUSB0 = USB serial adapter (" + dev + "/ttyUSB0)",
                "ttyS2 = built-in serial port (" + dev + "/ttyS2)",
                "ttyS10 = built-in serial port (" + dev + "/ttyS10)",
            }));
  EXPECT_TRUE(isPortWithoutUart(dev + "/ttyS1", machine.sys));
  EXPECT_FALSE(isPortWithoutUart(dev + "/ttyS2", machine.sys) || isPortWithoutUart(dev + "/ttyS3", machine.sys));
}

struct Choice {
  const char* environment;
  std::optional<std::string> file; // devices.conf
  int adapters;                    // USB adapters present
  int port;
  const char* opens;
};

// A built-in port, then as many USB adapters as asked for.
std::vector<SerialDevice> present(int adapters) {
  std::vector<SerialDevice> devices{{"/dev/ttyS0", "/dev/ttyS0", "", "", false}};
  for (const char* path : {"/dev/serial/by-id/first", "/dev/serial/by-id/second"})
    if (adapters-- > 0)
      devices.push_back({path, "/dev/ttyUSB", "", "", true});
  return devices;
}

TEST(SerialDevices, thePortOpensTheEnvironmentsDeviceElseTheStoredOneElseAnAdapterElseTheBuiltInPort) {
  const Choice choices[] = {
      {"/dev/pts/7", "port1=/dev/ttyUSB9\n", 2, 1, "/dev/pts/7"},
      {"", std::nullopt, 2, 1, "/dev/serial/by-id/first"},
      {"", std::nullopt, 2, 2, "/dev/serial/by-id/second"},
      {"", std::nullopt, 1, 2, "/dev/ttyS1"},
      {"", std::nullopt, 0, 1, "/dev/ttyS0"},
      {"", "port2=/dev/ttyACM3\n", 1, 1, "/dev/serial/by-id/first"},
      {"", "port2=/dev/ttyACM3\n", 1, 2, "/dev/ttyACM3"},
      {"", "# mine\nspeed=9600\n port1 = /dev/ttyUSB4 \r\nport2=\nport1\n", 0, 1, "/dev/ttyUSB4"},
      {"", "port1=/dev/ttyUSB4\nport1=/dev/ttyUSB5", 0, 1, "/dev/ttyUSB5"},
      {"", "", 0, 2, "/dev/ttyS1"},
      {"", std::string("port1=/dev/ttyUSB4\n\0\x93", 21), 0, 1, "/dev/ttyS0"},
      {"", "port1=/dev/ttyUSB4\n" + std::string(9000, '\n'), 0, 1, "/dev/ttyS0"},
  };
  for (const Choice& choice : choices) {
    QTemporaryDir folder;
    const std::string file = folder.path().toStdString() + "/devices.conf";
    if (choice.file)
      std::ofstream(file, std::ios::binary) << *choice.file;
    EXPECT_EQ(chooseDevice(choice.port, choice.environment, readStoredDevices(file), present(choice.adapters)),
              choice.opens)
        << choice.file.value_or("no file") << " port " << choice.port;
  }
}

TEST(SerialDevices, eachOpenFailureSaysWhyAndWhatToDoForTheErrorItAnswers) {
  const struct {
    OpenFailure failure;
    const char* text;
  } failures[] = {
      {{EACCES, "dialout", "", {}},
       "Permission denied: the device belongs to the group \"dialout\".\n"
       "Add yourself to that group with \"sudo usermod -aG dialout $USER\", then log out and in again."},
      {{EPERM, "root", "", {}},
       "Permission denied.\nAsk the administrator of this computer for access to the device."},
      {{ENOENT, "", "", {"Quill Serial (/dev/ttyACM0)", "built-in serial port (/dev/ttyS0)"}},
       "There is no such device.\nSerial devices present: Quill Serial (/dev/ttyACM0), built-in serial port "
       "(/dev/ttyS0).\nPlease choose one in Options."},
      {{EIO, "", "", {}},
       "No serial hardware answers behind this device.\n"
       "No serial device is present: plug the adapter in, or choose the port in Options."},
      {{EBUSY, "", "minicom, process 42", {}},
       "The port is in use by another program (minicom, process 42).\n"
       "Close that program, or choose another port in Options."},
      {{EWOULDBLOCK, "", "", {}},
       "The port is in use by another program.\nClose that program, or choose another port in Options."},
      {{ENOTTY, "", "", {}}, "Inappropriate ioctl for device\nPlease check the port chosen in Options."},
  };
  for (const auto& [failure, text] : failures)
    EXPECT_EQ(openFailureReason(failure), text) << failure.error;
}

} // namespace
} // namespace orvane
