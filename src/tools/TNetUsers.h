#pragma once
// The workgroups and domains of the Windows network and the computers of one of them, found
// through the networking functions; a sorted list of names without duplicates.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "platform/Services.h"

namespace fenu {

// An enumeration of the network failed with a system error code.
class NetEnumError : public FenuError {
 public:
  explicit NetEnumError(std::uint32_t code);
  std::uint32_t Code() const { return code_; }

 private:
  std::uint32_t code_;
};

class TNetUsers {
 public:
  TNetUsers(INetwork& network, ICollation& collation) : network_(network), collation_(collation) {}

  // The workgroup or domain whose computers ListComputers lists.
  std::string Server;
  // Sorted without regard to case; a name that differs from one already held only in case is
  // not added again.
  std::vector<std::string> Items;

  // Fills Items with the workgroups and domains of every network provider. False when the
  // network has no providers; throws NetEnumError when an enumeration fails.
  bool ListDomains();
  // Fills Items with the computers of Server, without the two backslashes before each name.
  // Errors end the list quietly.
  void ListComputers();

 private:
  void Add(std::string name);

  INetwork& network_;
  ICollation& collation_;
};

}  // namespace fenu
