/* The test page's template: a field bound to a setting, a second one to
   move the focus to, and one control of every other kind the pages use. */
#define IDD_TEST_PAGE 9001
#define IDC_TEST_FIELD 9002
#define IDC_TEST_NEXT 9003
#define IDC_TEST_LIST 9004
#define IDC_TEST_SLIDER 9005
#define IDC_TEST_BOX 9006
#define IDC_TEST_COMBO 9007
#define IDC_TEST_LIST_BOX 9008
#define IDC_TEST_SPIN 9009
#define IDC_TEST_NOTE 9010
