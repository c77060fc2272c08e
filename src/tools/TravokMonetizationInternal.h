#pragma once

#include <QByteArray>

// For the release check's own tests, which sign documents as the publisher
// does; nothing else in the program includes this.
namespace TravokMonetization::Internal {

// The 32-byte HMAC-SHA256 of the signed text under the verification key.
QByteArray ReleaseAuthenticationCode(const QByteArray& signedText);

} // namespace TravokMonetization::Internal
