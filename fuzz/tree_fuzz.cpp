// Feeds any bytes to the tree-file reader. A TreeFormatError is the only acceptable way to fail;
// what loads must save and load again to the same bytes, the veto must not change whether a file
// reads, a stream must read what the same bytes in memory read, and a limit on the levels must
// refuse exactly the deeper files.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "data/BlockData.h"
#include "model/TreeFile.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Writes every block at its own length.
void KeepBlockSizes(fenu::TTreeViewEx& tree) {
  tree.OnRequestDataSize = [](const fenu::TTreeViewEx&, const fenu::TreeNode& node, std::int32_t& size) {
    size = node.data ? static_cast<std::int32_t>(node.data->size()) : -1;
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  fenu::TTreeViewEx tree;
  KeepBlockSizes(tree);
  bool loaded = true;
  try {
    tree.LoadFromBytes(bytes);
  } catch (const fenu::TreeFormatError&) {
    loaded = false;
  }

  // The veto skips subtrees but reads every byte of them: the same files load.
  fenu::TTreeViewEx vetoed;
  std::size_t offered = 0;
  vetoed.OnNodeLoaded = [&](fenu::TTreeViewEx&, fenu::TreeNode& node, bool& canLoad) {
    ++offered;
    canLoad = node.text.size() % 2 == 0;
  };
  bool vetoedLoaded = true;
  try {
    vetoed.LoadFromBytes(bytes);
  } catch (const fenu::TreeFormatError&) {
    vetoedLoaded = false;
  }
  Check(loaded == vetoedLoaded);

  // A stream reads the tree and stops after it, so it reads whatever the bytes read and more.
  fenu::TTreeViewEx streamed;
  KeepBlockSizes(streamed);
  std::istringstream in{std::string(bytes)};
  bool streamLoaded = true;
  try {
    streamed.LoadFromStream(&in);
  } catch (const fenu::TreeFormatError&) {
    streamLoaded = false;
  }
  Check(!loaded || streamLoaded);

  // A limit on the levels refuses exactly the files whose entries reach deeper.
  fenu::TTreeViewEx shallow;
  shallow.MaxLevels = 3;
  bool shallowLoaded = true;
  try {
    shallow.LoadFromBytes(bytes);
  } catch (const fenu::TreeFormatError&) {
    shallowLoaded = false;
  }
  std::int32_t levels = 0;
  if (loaded)
    for (const fenu::TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
      levels = std::max(levels, node->Level() + 1);
  Check(shallowLoaded == (loaded && levels <= shallow.MaxLevels));

  if (!loaded) return 0;
  Check(vetoed.Count() <= tree.Count() && offered <= tree.Count());
  const std::string saved = tree.SaveToBytes();
  Check(streamed.SaveToBytes() == saved);
  fenu::TTreeViewEx again;
  KeepBlockSizes(again);
  again.LoadFromBytes(saved);
  Check(again.SaveToBytes() == saved);

  for (const fenu::TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (node->data) {
      const fenu::BlockData record = fenu::BlockData::FromBytes(*node->data);
      Check(fenu::BlockData::FromBytes(record.ToBytes()) == record);
    }
  return 0;
}
