// The in-memory Windows' record of every call made to it, in order, and the
// hook through which tests make chosen calls fail.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fennick::sim {

class CallLog {
 public:
  // Records a call; returns false when the fault hook decides the call fails.
  bool Record(const std::string& call) {
    bool fail = FailWhen && FailWhen(call);
    Calls.push_back(fail ? call + " -> injected failure" : call);
    return !fail;
  }

  std::vector<std::string> Calls;
  // Consulted for every call; returning true makes that call fail.
  std::function<bool(const std::string& call)> FailWhen;
};

}  // namespace fennick::sim
