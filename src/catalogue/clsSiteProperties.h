#pragma once
#include <QString>

// The site's properties, printed on the report; all empty when created.
class clsSiteProperties {
public:
    QString strCustomerName;
    QString strCustomerContact;
    QString strSiteDescription;
    QString strAddress1;
    QString strAddress2;
    QString strGeneratedBy;
    QString strDate;
    QString strContact;
    QString strEmail;
    QString strPhone;
    bool blnPrintFields = false;
};
