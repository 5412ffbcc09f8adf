#pragma once
// The ticks of the web options window, which the site export and the page of one person share.
#include "reports/web_site.h"

class TcoVHtmlFORM;

WebExportOptions webExportOptions(const TcoVHtmlFORM& window);
