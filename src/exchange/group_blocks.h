// The figure lines of the colour groups, gathered while the exchange input
// is read and copied into the groups' blocks in few large steps (once at the
// end, or every release step of an input given up): growing sixteen texts
// line by line would keep up to twice the input in memory for a large
// selection.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/run_state.h"

namespace kaveta {

enum class GroupBlock : std::uint8_t { Measured, TwoPoint, Sc, Se, So, Sg };

class GroupBlockLines {
 public:
  // Lines inside `input` are noted by place; others (converted ones) are copied.
  explicit GroupBlockLines(std::string_view input) : input_(input) {}
  // The same over a buffer nothing reads once the reading is done: as the
  // reading goes on, the noted lines go to their blocks and the pages behind
  // them back to the system, so a large selection is not resident twice.
  explicit GroupBlockLines(std::string& input);

  void Note(int group, GroupBlock block, std::string_view line);
  // Nothing before `offset` of the input is looked at again.
  void ReadUpTo(RunState& state, std::size_t offset) {
    if (releasable_ != nullptr && offset >= nextRelease_) Release(state, offset);
  }
  // Appends every noted line and CR LF to its block, in reading order, after
  // what the block already held.
  void MoveInto(RunState& state);

 private:
  // 16 bytes: the list holds one for every figure line of a selection.
  struct Noted {
    std::uint64_t offset;  // in input_, or in copied_
    std::uint32_t length;
    std::uint8_t group;
    GroupBlock block;
    bool copied;
    bool continued;  // a piece of a longer line: no CR LF after it
  };
  void Add(const Noted& n);
  // Appends the noted lines; each block that must grow is given room for
  // `scale` times what it then holds.
  void Flush(RunState& state, double scale);
  void Release(RunState& state, std::size_t offset);

  std::string_view input_;
  char* releasable_ = nullptr;  // input_'s buffer, when it may be released
  std::size_t released_ = 0;    // the input's pages before it are given back
  std::size_t nextRelease_ = 0;
  std::vector<Noted> noted_;
  std::string copied_;
};

}  // namespace kaveta
