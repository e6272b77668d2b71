#pragma once

#include <string>
#include <utility>

namespace calvora {

/// The registered owner and organization of the system, read at first start and
/// for the About box.
class ISystemOwner {
public:
    virtual ~ISystemOwner() = default;
    virtual std::string RegisteredOwner() const = 0;
    virtual std::string RegisteredOrganization() const = 0;
};

/// The current user's full name from the account database (the first field of
/// the passwd comment); no organization. Empty where nothing is recorded.
class TPasswdSystemOwner : public ISystemOwner {
public:
    std::string RegisteredOwner() const override;
    std::string RegisteredOrganization() const override { return {}; }
};

/// Fixed owner and organization, for tests and the command line.
class TFixedSystemOwner : public ISystemOwner {
public:
    TFixedSystemOwner(std::string owner, std::string organization)
        : m_owner(std::move(owner))
        , m_organization(std::move(organization)) {}
    std::string RegisteredOwner() const override { return m_owner; }
    std::string RegisteredOrganization() const override { return m_organization; }

private:
    std::string m_owner;
    std::string m_organization;
};

} // namespace calvora
