/* The test page's template: one field bound to a setting, a second one to
   move the focus to, a report list and a slider attached to the field. */
#define IDD_TEST_PAGE 9001
#define IDC_TEST_FIELD 9002
#define IDC_TEST_NEXT 9003
#define IDC_TEST_LIST 9004
#define IDC_TEST_SLIDER 9005
