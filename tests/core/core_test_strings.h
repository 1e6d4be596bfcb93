// Ids of the test program's own strings (core_test_strings.rc).
#ifndef MARLOW_TESTS_CORE_TEST_STRINGS_H
#define MARLOW_TESTS_CORE_TEST_STRINGS_H

#define IDS_TEST_TEXT_100 60001
#define IDS_TEST_TEXT_256 60002
#define IDS_TEST_TEXT_300 60003
#define IDS_TEST_TEXT_512 60004
#define IDS_TEST_MISSING 60099

#endif
