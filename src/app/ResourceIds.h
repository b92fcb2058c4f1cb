// Resource identifiers, shared by the resource script and the code that loads them.
#pragma once

#define ZORBEL_IDI_APP 1
// Menu image of slot n is the RCDATA resource ZORBEL_IDR_MENU_IMAGE_BASE + n (a 64 x 64 PNG).
#define ZORBEL_IDR_MENU_IMAGE_BASE 100
