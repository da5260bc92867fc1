#pragma once

#include <array>

namespace shell::contract {

/// The publisher's web host, for the splash, the about box and the new-edition notice.
inline constexpr auto PublisherSite = "https://www.graukant.example";

/// The publisher's address block as the splash shows it: company, street, postcode and town, phone, fax.
inline constexpr std::array<const char*, 5> PublisherAddress{"Graukant Verlag GmbH", "Beispielweg 7",
                                                             "D-99999 Musterstadt", "Tel. +49 (0)999 99999-0",
                                                             "Fax +49 (0)999 99999-9"};

} // namespace shell::contract
