// The window pictures live in the resources qt_add_resources adds to this
// library; a static library still needs one object of its own.
namespace zorbla_design_detail {
int present = 1;
}
