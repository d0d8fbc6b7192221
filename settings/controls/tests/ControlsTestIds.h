#pragma once

#define IDS_CHARGE_GROUP 412
