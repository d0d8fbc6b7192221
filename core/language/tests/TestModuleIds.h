#pragma once
#define IDS_GREETING 400
