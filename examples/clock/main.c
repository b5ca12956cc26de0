/* SPDX-License-Identifier: MIT */
/* Prints the codes of the header that `kelvarin build` made from clock.toml. */
#include <stdio.h>

#include "clock_digits.h"

int main(void) {
    for (unsigned i = 0; i < sizeof digits; ++i) printf("digit %u: 0x%02x\n", i, digits[i]);
    for (unsigned i = 0; i < sizeof icons; ++i) printf("icon %u: 0x%02x\n", i, icons[i]);
    return 0;
}
