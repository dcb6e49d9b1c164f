#include "tools/TNetUsers.h"

#include <algorithm>

namespace fenu {
namespace {

// Closes an enumeration on every way out, also when an error is thrown.
class OpenEnumeration {
 public:
  OpenEnumeration(INetwork& network, NetEnumHandle handle) : network_(network), handle_(handle) {}
  ~OpenEnumeration() {
    if (open_) network_.CloseEnum(handle_);
  }
  OpenEnumeration(const OpenEnumeration&) = delete;
  OpenEnumeration& operator=(const OpenEnumeration&) = delete;
  // Closes now; the close's error code.
  std::uint32_t Close() {
    open_ = false;
    return network_.CloseEnum(handle_);
  }
  NetEnumHandle Handle() const { return handle_; }

 private:
  INetwork& network_;
  NetEnumHandle handle_;
  bool open_ = true;
};

void Check(std::uint32_t code) {
  if (code != 0) throw NetEnumError(code);
}

}  // namespace

NetEnumError::NetEnumError(std::uint32_t code)
    : FenuError("Netzwerkfehler " + std::to_string(code)), code_(code) {}

void TNetUsers::Add(std::string name) {
  const auto at = std::lower_bound(Items.begin(), Items.end(), name, [this](const std::string& a, const std::string& b) {
    return collation_.CompareText(a, b) < 0;
  });
  if (at != Items.end() && collation_.CompareText(*at, name) == 0) return;
  Items.insert(at, std::move(name));
}

bool TNetUsers::ListDomains() {
  Items.clear();
  NetEnumHandle handle = 0;
  Check(network_.OpenEnum(kResourceGlobalNet, kResourceTypeDisk, kResourceUsageContainer, nullptr, handle));
  std::vector<NetResource> providers;
  {
    OpenEnumeration top(network_, handle);
    const std::uint32_t code = network_.EnumResource(top.Handle(), providers);
    if (code == kErrorNoMoreItems) return false;
    Check(code);
    Check(top.Close());
  }
  for (const NetResource& provider : providers) {
    Check(network_.OpenEnum(kResourceGlobalNet, kResourceTypeDisk, kResourceUsageContainer, &provider, handle));
    OpenEnumeration below(network_, handle);
    std::vector<NetResource> entries;
    for (;;) {
      const std::uint32_t code = network_.EnumResource(below.Handle(), entries);
      if (code == kErrorNoMoreItems) break;
      Check(code);
      if (entries.empty()) break;  // a provider that hands out nothing would otherwise never end
      for (NetResource& entry : entries) Add(std::move(entry.remoteName));
    }
    Check(below.Close());
  }
  return true;
}

void TNetUsers::ListComputers() {
  Items.clear();
  NetResource start;
  start.scope = kResourceConnected;
  start.displayType = kResourceDisplayTypeServer;
  start.usage = kResourceUsageContainer;
  start.remoteName = Server;
  NetEnumHandle handle = 0;
  if (network_.OpenEnum(kResourceGlobalNet, kResourceTypeDisk, kResourceUsageContainer, &start, handle) != 0) return;
  OpenEnumeration computers(network_, handle);
  std::vector<NetResource> entries;
  while (network_.EnumResource(computers.Handle(), entries) == 0 && !entries.empty())
    for (const NetResource& entry : entries)
      if (entry.remoteName.size() > 2) Add(entry.remoteName.substr(2));
}

}  // namespace fenu
