/* The test page's template: one field bound to a setting, and a second one
   to move the focus to. */
#define IDD_TEST_PAGE 9001
#define IDC_TEST_FIELD 9002
#define IDC_TEST_NEXT 9003
