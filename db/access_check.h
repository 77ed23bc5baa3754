#pragma once
// The engine has no encryption: files carry a salted hash of their password, checked on open.
// It keeps the program's files apart; it does not hide their contents.
#include <string>
#include <string_view>

namespace db {

inline constexpr std::string_view kAccessTable = "tessory_access";

std::string sha256Hex(std::string_view data);
std::string passwordHash(std::string_view salt, std::string_view password);
std::string newSalt();

}  // namespace db
