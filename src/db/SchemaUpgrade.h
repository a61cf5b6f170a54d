// Brings an embedded database file made by an earlier version of the
// schema up to the current one, on connecting. Data sources of the user's
// are never altered.
#pragma once

#include "db/Odbc.h"

namespace db {

// Widens the lots' Income and Outgo from 16-bit to 32-bit cents when the
// file still limits them; every row, code and counter stays. One
// transaction: a failure leaves the file as it was. True when it changed.
bool upgradeEmbeddedSchema(Connection& c);

}  // namespace db
