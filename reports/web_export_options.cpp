#include "reports/web_export_options.h"

#include "forms/co_v_html_form.h"

WebExportOptions webExportOptions(const TcoVHtmlFORM& w)
{
    WebExportOptions o;
    o.portrait = w.fotkaCH.Checked();
    o.identifier = w.identifikatorCH.Checked();
    o.birth = w.narozeniCH.Checked();
    o.death = w.umrtiCH.Checked();
    o.partnerships = w.snatkyCH.Checked();
    o.residences = w.bydlisteCH.Checked();
    o.educations = w.vzdelaniCH.Checked();
    o.occupations = w.povolaniCH.Checked();
    o.contacts = w.kontaktyCH.Checked();
    return o;
}
