#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vintrel::test {

/// Builds container bytes by hand, so that tests can make any layout, sound or damaged.
class ContainerBytes {
public:
    ContainerBytes& magic(const std::string& m) { return raw(m); }
    ContainerBytes& int32(std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes_ += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
        return *this;
    }
    ContainerBytes& int64(std::int64_t v) {
        for (int i = 0; i < 8; ++i)
            bytes_ += static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF);
        return *this;
    }
    ContainerBytes& raw(const std::string& b) {
        bytes_ += b;
        return *this;
    }
    /// A 0xFF-prefixed, blank-padded description field.
    ContainerBytes& description(const std::string& text) {
        std::string field = "\xFF" + text;
        field.resize(255, ' ');
        return raw(field);
    }
    ContainerBytes& header(const std::string& m, std::int32_t version, std::int32_t count,
                           const std::string& text = "") {
        return magic(m).int32(version).int32(count).description(text);
    }
    ContainerBytes& name(const std::string& n) { return raw(n + std::string(1, '\0')); }
    ContainerBytes& member(const std::string& memberName, const std::string& data) {
        return int64(static_cast<std::int64_t>(data.size())).name(memberName).raw(data);
    }
    /// A result with the given member names, each holding "<name> data".
    ContainerBytes& result(const std::string& resultName, const std::vector<std::string>& members) {
        name(resultName);
        for (const std::string& m : members)
            member(m, m + " data");
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace vintrel::test
