#pragma once

#include <QString>

namespace quorv {

// The digest every stored password is kept as: 16 lower-case hex digits. It is MD5 over the
// text's GBK codes with two-byte codes sign-extended, keeping state words B and C, so that
// digests stored by earlier versions of the program keep matching.
QString passwordDigest(const QString &text);

} // namespace quorv
