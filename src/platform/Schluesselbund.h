#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tafomat {

// Where the publish dialog keeps a server's password when the user asks for it: only the
// system's keyring, never a file. Its answers come later, in the window's thread, so that a
// keyring that asks its user for its own password freezes nothing.
class Schluesselbund {
  public:
    virtual ~Schluesselbund() = default;
    // The password kept for the account, or nullopt where none is kept or no keyring answers.
    virtual void lesen(const QString& konto,
                       std::function<void(std::optional<QString>)> fertig) = 0;
    // Whether the keyring took the password.
    virtual void speichern(const QString& konto, const QString& passwort,
                           std::function<void(bool)> fertig) = 0;
    virtual void löschen(const QString& konto) = 0;
};

// The desktop's keyring through the Secret Service (or KWallet), without any fallback to a
// file: where none answers, nothing is kept and the dialog asks each time.
std::unique_ptr<Schluesselbund> SystemSchluesselbund();

}  // namespace tafomat
