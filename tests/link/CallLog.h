#pragma once
// What an exchange asked of its window, one name a call, each with the
// virtual time it came at.
#include <algorithm>
#include <string>
#include <vector>

#include <QtGlobal>

namespace zx::test {

struct CallLog {
    std::vector<std::string> calls;
    std::vector<qint64> times;

    void Log(const std::string& call, qint64 at)
    {
        calls.push_back(call);
        times.push_back(at);
    }
    int count(const std::string& call) const
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    // When `call` first came; -1 when it never did.
    qint64 timeOf(const std::string& call) const
    {
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i] == call)
                return times[i];
        return -1;
    }
};

}  // namespace zx::test
