<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>قارئ القرآن ومشغّل التلاوة</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>تعذّر تشغيل Tilvora.

%1</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
</context>
<context>
    <name>LogicText</name>
    <message>
        <source>Media Files not found...</source>
        <translation>لم يُعثر على ملفات التلاوة...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>الملف %1 غير موجود في المسار المحدد...
المسار الحالي: %2

يرجى تحديد مسار صالح لملفات التلاوة (من قائمة التحكم) ثم استعمال البرنامج.</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - رقم البرنامج: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>لا بيانات في قاعدة البيانات للقارئ الحالي بين البرامج المسجلة...

أُضيفت برامج أو قرّاء إلى قاعدة البيانات بلا بيانات!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>تعذّر الوصول إلى ملف التلاوة المحدد
تأكد من وجود مجلد ملفات التلاوة في مجلد البرنامج نفسه!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>لا تسجيل لهذه الآية</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>ليس للقارئ «%1» تسجيل للآية %2.

اختر قارئًا آخر في لوحة التحكم، أو حدّد مجلد تسجيلات هذا القارئ من التحكم &gt; تحديد مسار التسجيلات.</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>لم يُعثر على آية لـ«%1».</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>لا آية تُعرض لهذا الاختيار.</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
المسار المحدد غير صالح ولا يمكن الوصول إليه...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>المجلد %1 غير موجود.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ليس مجلدًا.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>لا يمكن فتح المجلد %1: الإذن مرفوض.</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>لا توجد آية %1:%2.</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>المقطع من %1 إلى %2 ينتهي قبل أن يبدأ.</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>تعذّر تنفيذ الطلب: رفضته قاعدة بيانات المحتوى.
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>تعذّر تنفيذ الطلب: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>ليس للآية موضع بداية في الصوت الحالي.</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>موضع بداية الآية «%1» ليس عددًا من الثواني.</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>أوقف خطأ غير معروف التلاوة.</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>توقفت التلاوة لسبب غير معروف.</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>يجب أن تكون السرعة عددًا من %1 إلى %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>«%1» ليس معرّف صوت.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1: يجب أن يكون عددًا صحيحًا من %2 إلى %3، لا «%4».</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>عدد تكرار الآية</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>عدد تكرار المقطع</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>الفاصل بالملّي ثانية</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>الآية الأولى «%1» ليست مرجع آية مثل 2:255.</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>الآية الأخيرة «%1» ليست مرجع آية مثل 2:255.</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>أعداد التكرار أو الفاصل أو وقت الترديد خارج الحدود المسموح بها.</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>لا تحوي قاعدة بيانات المحتوى هذه صفحات مصحف.</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>لا توجد صفحة «%1» في المصحف: صفحاته مرقّمة من 1 إلى %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>«%1» ليس مرجع آية مثل 2:255.</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>لا توجد صفحة %1 في المصحف.</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>صفحات المصحف في قاعدة بيانات المحتوى هذه غير مرقّمة من 1 إلى %1.</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>تعذّر تجهيز النافذة الرئيسية. %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>لم يُعثر على قاعدة بيانات المحتوى %1. يحتاج تيلفورا إلى قاعدة بيانات محتواه DIC.DAT في مجلد البرنامج %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>الملف %1 ليس قاعدة بيانات محتوى لتيلفورا (%2).</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>تعذّر فتح قاعدة بيانات المحتوى %1: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>تعذّرت الكتابة في قاعدة بيانات المحتوى %1 (%2). يحفظ تيلفورا اختياراتك فيها؛ تأكد من أن أي برنامج آخر لا يستخدمها وأنها قابلة للكتابة، ثم ابدأ من جديد.</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>تفتقد قاعدة بيانات المحتوى %1 جدولًا أو عمودًا يحتاجه تيلفورا (%2).</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>ملف المحتوى %1 تالف (%2)، لذا لا يستطيع تيلفورا قراءة نصوصه. أعد تثبيت تيلفورا لتحصل على نسخة سليمة منه. وإذا كان تيلفورا يعمل من مجلدك الخاص فيكفي حذف %3: سيُنسخ من جديد عند البدء التالي.</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>ملف المحتوى %1 فارغ، لذا ليس لدى تيلفورا نصوص يعرضها. أعد تثبيت تيلفورا لتحصل على نسخة سليمة منه. وإذا كان تيلفورا يعمل من مجلدك الخاص فيكفي حذف %2: سيُنسخ من جديد عند البدء التالي.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>ملف قاعدة البيانات %1 غير موجود.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 ليس ملف قاعدة بيانات.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>تعذّر فتح ملف قاعدة البيانات %1: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>تعذّر تحديث مجلد تيلفورا الخاص بك %1 بالمحتوى المثبّت، لذا يستخدمه تيلفورا كما كان. %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>تعذّر على تيلفورا إنشاء مجلدك الخاص %1. %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>لا يحوي المجلد المثبّت %1 قاعدة بيانات المحتوى (DIC.DAT).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>تعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>نسخة أخرى من تيلفورا تحدّث %1؛ وقد انتُظرت دقيقة.</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>تعذّر إنشاء مجلد جديد بجانب %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>تعذّرت الكتابة في الملف %1: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>تعذّر إنشاء الرابط %1 إلى التلاوات المثبّتة: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>تعذّر نقل مجلدات الأصوات من %1 إلى المحتوى الجديد: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>تعذّر أن يحلّ المجلد الجديد محل %1: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>لا يوجد صوت %1.</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>ليس للصوت %1 مجلد تسجيلات.</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>لا يحوي المجلد %1 تسجيلًا للسورة %2 (%3 أو %4).</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>لا توجد سورة %1.</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>للصوت %1 تسجيلات خاصة به للسورة %2 (ملفات غير %3، لـ %4 من آياتها)؛ فلم تُحفظ البدايات التي وُجدت مكانها.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>لم يُعثر على تلاوة في %1: لا يحوي إلا صمتًا أو ضجيجًا ثابتًا.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>لم يُعثر على تلاوة في %1: يتوقف %2 مرة، بينما تتوقف تلاوة آيات السورة الـ %3 على الأقل %4 مرة (يقف القارئ عند نهاية أكثر الآيات).</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>تعذّرت قراءة التسجيل %1.</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>تعذّر تشغيل مفكك الصوت gst-launch-1.0؛ وهو يأتي مع الحزمة gstreamer1.0-tools.</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>الملف %1 ليس ملفًا صوتيًا.</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>تعذّر فك ترميز التسجيل %1: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>لا يحوي التسجيل %1 أي صوت.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>«%1» ليس عنوان ويب للتنزيل منه (يجب أن يبدأ بـ http:// أو https://).</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>يجب أن تكون السور المراد تنزيلها من 1 إلى 114، من الأولى إلى الأخيرة، لا من %1 إلى %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>تعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>لا توجد مساحة متبقية على القرص</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>ردّ الخادم بـ %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>أرسل الخادم صفحة (%1) لا تسجيلًا</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>أعلن الخادم %1 بايت، أكثر من %2 المسموح بها لتسجيل آية</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>استأنف الخادم الملف من موضع خاطئ</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>حجمه أكبر من %1 المسموح بها لتسجيل آية</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>انتهت المهلة</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>رفض الخادم استئناف الملف</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>وصل منه %1 من %2 بايت</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>أحال الخادم التنزيل إلى عنوان ليس http أو https</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>أحال الخادم التنزيل إلى مكان آخر مرات كثيرة جدًا</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>توقف الخادم عن الرد</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>تعذّر الوصول إلى الخادم</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>الخادم بطيء جدًا</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>وصل مبتورًا (آخر إطار صوتي فيه ناقص)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>ما وصل ليس تسجيل MP3</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>تعذّر وضعه في مكانه: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>حجمه أكبر من %1 ميغابايت المسموح بها للسورة</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>السورة %1: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>أرسل الخادم صفحة ويب لا النص</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>ما وصل ليس بيانات الخدمة</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>ردّت الخدمة بـ %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>لا يحوي ردّ الخدمة قائمة نصوص</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>أرسلت الخدمة السورة %1 بدلًا منها</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>فيه %1 آية، والسورة فيها %2</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>أرقام آياته ليست من 1 إلى %1 كلٌّ مرة واحدة</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>الآية %1 بلا نص</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>لم تردّ الخدمة في الوقت المناسب</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>تعذّر الوصول إلى الخدمة (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>تعذّرت كتابة بياناتك في %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>تعذّرت قراءة الملف %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 ليس ملفًا لبياناتك في تيلفورا (من النوع الذي يكتبه ملف، تصدير بياناتي). لم يتغير شيء.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>كُتب %1 بإصدار أحدث من تيلفورا، لا يستطيع هذا الإصدار قراءة بياناته. لم يتغير شيء.</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>لا يمكن استخدام ملفك الخاص %1</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>لا يمكن تغيير ملفك الخاص الآن</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>تعذّر تغيير ملفك الخاص</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>تعذّر استيراد %1: %2. لم يتغير شيء.</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>لا يمكن حفظ ما تحفظه وملاحظاتك: تعذّر استخدام الملف %1. ستبقى حتى يُغلق تيلفورا.</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>لا يمكن حفظ علاماتك: تعذّرت الكتابة في الملف %1. العلامات التي تضعها الآن تبقى حتى يُغلق تيلفورا.</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>تعذّرت قراءة ملف علاماتك. نُحّي جانبًا باسم %1، ويبدأ تيلفورا بلا علامات.</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>تعذّر حفظ النص: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>تعذّر تثبيت النص: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>القرآن كله</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>عربي بلا تشكيل، أو كلمات من ترجمة</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>يُبحث في العربية بلا تشكيل؛ والترجمات بلا تفريق بين الأحرف الكبيرة والصغيرة</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>ابحث في كل آية من كل نص؛ وإن أزلت العلامة ففي الصفحة المعروضة وحدها</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>السورة</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>الجزء</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>الجذر (تقريبي)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>اعرض سورة</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>اعرض جزءًا</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>اعرض آيات جذر (الجذور مستخرجة آليًا وتقريبية)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>اعرض آيات موضوع</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>اعرض الآيات التي فيها كلمة (تُكتب بلا تشكيل)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>الجزء %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>النص في الصف %1</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>مجلد تسجيلات %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 ك.ب</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 م.ب</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 د %2 ث</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>  No verse
  shown</source>
        <extracomment>The label beside the search box: the view shows no verse.</extracomment>
        <translation>  لا آية
  معروضة</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  لا آيات
  معروضة</numerusform>
            <numerusform>  آية واحدة
  معروضة</numerusform>
            <numerusform>  آيتان
  معروضتان</numerusform>
            <numerusform>  %Ln آيات
  معروضة</numerusform>
            <numerusform>  %Ln آية
  معروضة</numerusform>
            <numerusform>  %Ln آية
  معروضة</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  لم يُعثر
  على آية</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  لم يُعثر
  على آية</numerusform>
            <numerusform>  وُجدت
  آية واحدة</numerusform>
            <numerusform>  وُجدت
  آيتان</numerusform>
            <numerusform>  وُجدت
  %Ln آيات</numerusform>
            <numerusform>  وُجدت
  %Ln آية</numerusform>
            <numerusform>  وُجدت
  %Ln آية</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  وُجد %1،
  المعروض %2</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>انتهت التلاوة. تُركت آيات لا تسجيل لها بصوت «%1»: %2.</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>لا تسجيل للآية %1 بصوت «%2»: تُركت وتستمر التلاوة.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>تعذّر حفظ إعداداتك: %1 مجلد وليس ملفًا. تبقى اختياراتك الآن حتى إغلاق Tilvora.</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>تعذّر حفظ إعداداتك: لا يمكن الكتابة في الملف %1. تبقى اختياراتك الآن حتى إغلاق Tilvora.</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>ملف الإعدادات %1 تالف ولا يمكن استبداله؛ لن تُستعمل كل الإعدادات التي فيه.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>كان ملف الإعدادات %1 تالفًا. حُفظت الإعدادات التي أمكنت قراءتها، وعادت البقية إلى قيمها المعتادة.</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>&amp;اعرضها في المصحف</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>&amp;ضع علامة على هذه الآية</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>نسخ &amp;الآية</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>نسخ &amp;موضع الآية</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>&amp;تلاوة من هنا</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>&amp;تكرار هذه الآية...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>تكرار من هنا &amp;إلى...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;ملاحظة...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>ا&amp;ستمع وردّد من هنا...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>قارئ القرآن ومشغّل التلاوة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>الرسوم والبرنامج من مطوّري Tilvora. معظم الترجمات للاستعمال غير التجاري فقط.</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>يعرض Tilvora القرآن مع ترجماته ويتلوه.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>استبدلها</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>أبقِها</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>بدايات الآيات في ملفات السور</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>بدايات الآيات في ملفات السور - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>جارٍ البحث عن ملفات السور...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>آيات تحتاج إلى مراجعة (وُجدت بداياتها بثقة منخفضة):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>الآية</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>البداية (ث)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>الثقة</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> ث</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0.1 ث</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0.1 ث</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>شغّل ما حولها</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>البداية:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>جارٍ الإيقاف...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>لم يُعثر على أي ملف سورة (001.mp3 ... 114.mp3، أو ‎.wma). %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>ليس لهذا القارئ تسجيلات خاصة به في السور %1. استبدالها ببدايات الآيات التي وُجدت في ملفات السور؟

إن أبقيتها تبقى تلك السور كما هي.</numerusform>
            <numerusform>لهذا القارئ تسجيل خاص به لآية واحدة في السور %1 (ملف لكل آية مثلًا). استبداله ببدايات الآيات التي وُجدت في ملفات السور؟

إن أبقيته تبقى تلك السور كما هي.</numerusform>
            <numerusform>لهذا القارئ تسجيلات خاصة به لآيتين في السور %1 (ملف لكل آية مثلًا). استبدالها ببدايات الآيات التي وُجدت في ملفات السور؟

إن أبقيتها تبقى تلك السور كما هي.</numerusform>
            <numerusform>لهذا القارئ تسجيلات خاصة به لـ%n آيات في السور %1 (ملف لكل آية مثلًا). استبدالها ببدايات الآيات التي وُجدت في ملفات السور؟

إن أبقيتها تبقى تلك السور كما هي.</numerusform>
            <numerusform>لهذا القارئ تسجيلات خاصة به لـ%n آية في السور %1 (ملف لكل آية مثلًا). استبدالها ببدايات الآيات التي وُجدت في ملفات السور؟

إن أبقيتها تبقى تلك السور كما هي.</numerusform>
            <numerusform>لهذا القارئ تسجيلات خاصة به لـ%n آية في السور %1 (ملف لكل آية مثلًا). استبدالها ببدايات الآيات التي وُجدت في ملفات السور؟

إن أبقيتها تبقى تلك السور كما هي.</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>سورة %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>أُبقيت تسجيلات القارئ الخاصة.</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>لم يتغير شيء: يحتفظ القارئ بتسجيلاته الخاصة.</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>لا سور للبحث فيها...</numerusform>
            <numerusform>جارٍ البحث عن بدايات الآيات في سورة واحدة...</numerusform>
            <numerusform>جارٍ البحث عن بدايات الآيات في سورتين...</numerusform>
            <numerusform>جارٍ البحث عن بدايات الآيات في %n سور...</numerusform>
            <numerusform>جارٍ البحث عن بدايات الآيات في %n سورة...</numerusform>
            <numerusform>جارٍ البحث عن بدايات الآيات في %n سورة...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>توقّف: لم يُحفظ شيء.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>توقّف: حُفظت بدايات %1 من 0 سورة.</numerusform>
            <numerusform>توقّف: حُفظت بدايات %1 من سورة واحدة.</numerusform>
            <numerusform>توقّف: حُفظت بدايات %1 من سورتين.</numerusform>
            <numerusform>توقّف: حُفظت بدايات %1 من %n سور.</numerusform>
            <numerusform>توقّف: حُفظت بدايات %1 من %n سورة.</numerusform>
            <numerusform>توقّف: حُفظت بدايات %1 من %n سورة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>تمّ: حُفظت بدايات %1 من %2 سورة؛ لا آيات للمراجعة.</numerusform>
            <numerusform>تمّ: حُفظت بدايات %1 من %2 سورة؛ آية واحدة للمراجعة.</numerusform>
            <numerusform>تمّ: حُفظت بدايات %1 من %2 سورة؛ آيتان للمراجعة.</numerusform>
            <numerusform>تمّ: حُفظت بدايات %1 من %2 سورة؛ %n آيات للمراجعة.</numerusform>
            <numerusform>تمّ: حُفظت بدايات %1 من %2 سورة؛ %n آية للمراجعة.</numerusform>
            <numerusform>تمّ: حُفظت بدايات %1 من %2 سورة؛ %n آية للمراجعة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>تعذّر حفظ البداية: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>تبدأ الآية %1:%2 الآن عند %3 ث.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>&amp;تذكّر نصوصي وقارئي</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— لا شيء —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 ك.ب</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 م.ب</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 د %2 ث</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 س %2 د</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>تنزيل تلاوة</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 ك.ب/ث)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>عنوان آخر...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (السورة والآية)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (رقم الآية في المصحف كله)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>القارئ الذي لا مجلد له يُنشأ له مجلد في مجلد بياناتك.</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>القارئ:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>أسماء الملفات:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>السور:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>القارئ المراد ملؤه:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>لا قارئ يقرأ ملفًا لكل آية (SSSAAA.mp3)، فلا قارئ يمكن ملؤه.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>إلى %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%1 من %2 ملف، %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%1 من %2 ملف، %3، %4/ث</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%1 من %2 ملف، %3، %4/ث، بقي نحو %5</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>أُلغي. </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>توقف التنزيل: %1. </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>حُفظ %1، وكان %2 موجودًا من قبل، وفشل %3.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::GstAudioPlayer</name>
    <message>
        <source>The recording %1 cannot be played: GStreamer&apos;s playbin is not installed.</source>
        <translation>لا يمكن تشغيل التسجيل %1: مكوّن playbin من GStreamer غير مثبّت.</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>تعذّر فتح التسجيل %1.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>تعذّر تشغيل التسجيل %1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;اللغة</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>لغة النظام</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>‏ .:: Tilvora (الإصدار %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>اسحب لتوسيع لوحة التحكم أو تضييقها؛ انقر مرتين للعرض المعتاد</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>يحرّكه السهمان الأيمن والأيسر؛ ومفتاح المسافة يعيد اللوحات إلى عرضها المعتاد</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>التحكم</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>انتقل إلى مربع البحث</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  نتائج البحث:  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>قائمة التحكم</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>فاصل اللوحات</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;التحكم</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>&amp;إخفاء اللوحة أو إظهارها</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>تحديد &amp;مسار التسجيلات</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>القارئ %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>&amp;تنزيل تلاوة...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>أوقف خطأ غير متوقع الطلب.</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>تنزيل ال&amp;نصوص...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>حدّد / اختر مسارًا صالحًا...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>يرجى تصفح مسار مجلد ملفات التلاوة:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>وحدات التخزين المركّبة</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>في هذا المجلد ملف واحد لكل سورة</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>ابحث عن بداية كل آية في ملفات السور (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>خطأ في المسار...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>ال&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>ا&amp;حفظ هذه الصفحة / هذه الآيات / هذه السورة...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>م&amp;راجعة اليوم</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>ال&amp;تقدم</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>ان&amp;سَ...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>ال&amp;حد اليومي...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>م&amp;راجعة اليوم (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>&amp;تصدير بياناتي...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>ا&amp;ستيراد بياناتي...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>الم&amp;لاحظات...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>الحفظ</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>لا شيء للمراجعة اليوم. اختر صفحة من الحفظ، احفظ.</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>تعذر حفظ تقدير الصفحة %1 في ملفك.</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>تعذر حفظ الآيات المراد حفظها في ملفك.</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>تعذر إخراج الآيات: لم يمكن تغيير ملفك.</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>انسَ</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>ان&amp;سَ</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>ا&amp;حفظ</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>أنت تحفظ %1 الآن؛ وموعد مراجعته اليوم.</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>إخراج %1 مما تحفظه؟ يزول جدول مراجعته ويبقى سجل مراجعاته.</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>أُخرج %1 مما تحفظه.</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>الحد اليومي</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>أقصى عدد من الصفحات للمراجعة في اليوم (1 إلى %1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>تعذر حفظ الحد اليومي في ملفك.</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>تعذر حفظ الملاحظة في ملفك.</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>كُتبت بياناتك في %1: %2 علامات، %3 ملاحظات، %4 آيات قيد الحفظ.</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>أُخذ من %1: %2 علامات، %3 ملاحظات، %4 آيات قيد الحفظ، ضُمّت إلى بياناتك؛ ولم يضع شيء منها.</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>تصدير بياناتي</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>بيانات Tilvora (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>استيراد بياناتي</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>بيانات Tilvora (*.json);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>&amp;صفحات المصحف</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>&amp;انتقل إلى صفحة...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>&amp;إخفاء النص</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;كشف</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>&amp;الكلمة التالية</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>بقية &amp;السطر</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>بقية &amp;الآية</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;الكل</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>&amp;أخفِ آخر كلمة من جديد</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>صفحات المصحف</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>انتقل إلى صفحة</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>صفحة المصحف (1 إلى %1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>ملاحظة على %1</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>ملاحظتك</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>تُحفظ كما كتبتها. الملاحظة الفارغة تُحذف.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>ملاحظاتك</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>ابحث في ملاحظاتك</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>الآية</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>السطر الأول</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>عُدّلت</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;تحرير...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>ا&amp;بحث:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>الآية السابقة</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>الآية التالية</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>التكرار: كم مرة تُتلى كل آية والمقطع كله، والتوقف بينها</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> مرات</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>حتى الإيقاف</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> م.ث</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>كل آية:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>المقطع كله:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>التوقف بينها:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>%1×</source>
        <extracomment>A playback speed, e.g. 1.5×.</extracomment>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1× / %2 ▾</source>
        <extracomment>The repeat button&apos;s counts: each verse %1 times, the range %2 times (∞: until stopped).</extracomment>
        <translation>%1× / %2 ▾</translation>
    </message>
    <message>
        <source>Repeat %1</source>
        <extracomment>The repeat button&apos;s caption; %1 are its counts.</extracomment>
        <translation>تكرار %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>التكرار: كل آية %1 مرات، والمقطع حتى الإيقاف</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>التكرار: كل آية %1 مرات، والمقطع %2 مرات</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>إلغاء الكتم</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>آيات محفوظة: %1 (و%2 قيد الحفظ).
صفحات محفوظة كاملة: %3.
أيام متتالية فيها مراجعة: %4.</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>نسبة ما يُحفظ من كل جزء، والصفحات المستحقة للمراجعة في كل يوم من الأيام الأربعة عشر القادمة</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>كل جزء: نسبة آياته التي تحفظها</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>الصفحات المستحقة للمراجعة في كل يوم من الأيام الأربعة عشر القادمة</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>صفحة من المصحف</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>مجموعة آيات</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>سورة</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>جزء</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>سورة:آية</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;ماذا:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>ال&amp;رقم:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;من الآية:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>إ&amp;لى الآية:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>السورة %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>الجزء %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>الآيات من %1 إلى %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>لا تبدأ أي آية في هذه الصفحة.</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>تمتد الآيات من %1 إلى آية بعدها.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;السمة</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;الخط العربي</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>كما يحدده النص</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;تكبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;الحجم الفعلي</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>النتيجة &amp;التالية</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>النتيجة &amp;السابقة</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;العلامات</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>&amp;ضع علامة على الآية في الأعلى</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>&amp;حذف علامة</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>لم تُحذف علامة الآية %1: %2.</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>لم تُحفظ علامتك على الآية %1: %2.</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>بنّي</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>لا آية هنا لوضع علامة عليها.</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>وُضعت علامة على %1 (قائمة العلامات).</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>على %1 علامة من قبل.</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>لم يُحفظ الموضع الذي توقفت عنده القراءة (%1): %2.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>سورة %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>تكرار من %1 إلى...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>تكرار الآية %1</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>سورة:آية، مثل 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>من %1 إلى الآية:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> مرات</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>حتى الإيقاف</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> م.ث</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>كل آية:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>الآية:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>المقطع كله:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>التوقف بينها:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>تلاوة</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>قدر مدة الآية مضروبة في %1</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>وقت لترديد كل آية:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>مراجعة اليوم</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>اقرأ الصفحة من حفظك، ثم اكشفها وقدّر مدى إتقانك لها.</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>الكلمة التالية</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>بقية السطر</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>إدخال</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+إدخال</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>إخفاء كلمة من جديد</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>مسح للخلف</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>من جديد</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيد</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>استمع إلى الصفحة</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>ما مدى إتقانك لها؟</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>الصفحة %1 (%2 من %3)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>لا شيء للمراجعة اليوم.</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>انتهت المراجعة. صفحات مقدّرة: %1.</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>من جديد %1، صعب %2، جيد %3، سهل %4.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::SplashWindow</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Progress Indicator</source>
        <translation>مؤشر التقدم</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>جارٍ التحميل، يرجى الانتظار...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>نص القرآن: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>الإصدار: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>تنزيل النصوص</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>&amp;جلب القائمة</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>الترجمات والتفاسير</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>الترجمات</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>التفاسير</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>عنوان الخدمة:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>عرض:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>النصوص المتاحة للتنزيل</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;تنزيل</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;إزالة</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>جارٍ جلب قائمة النصوص من %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>لا نصوص تقدمها الخدمة (%n).</numerusform>
            <numerusform>نص واحد تقدمه الخدمة.</numerusform>
            <numerusform>نصان تقدمهما الخدمة.</numerusform>
            <numerusform>%n نصوص تقدمها الخدمة.</numerusform>
            <numerusform>%n نصًا تقدمه الخدمة.</numerusform>
            <numerusform>%n نص تقدمه الخدمة.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>تعذّر جلب قائمة النصوص: %1. المعروض بدلًا منها: نصوص يعرفها تلاوة بأسمائها، وتُنزَّل من العنوان أعلاه حين يجيب.</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>كل اللغات</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>مثبَّت</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>معروف بالاسم</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>مثبَّت، معروف بالاسم</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>تفسير</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>ترجمة</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>جارٍ تنزيل %1...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>تعذّرت إزالة %1: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>أُزيل %1.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%1 من %2 سورة، %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>ثُبِّت، %1 آية (%2). اختره في صف من صفوف لوحة التحكم.</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>أُلغي. السور التي جُلبت محفوظة، والتنزيل يكمل منها.</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>لم يُثبَّت: فشلت السور %1. نزّل مرة أخرى لجلب الناقص فقط.</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>لم يُثبَّت. نزّل مرة أخرى لجلب الناقص فقط.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%1 من %2 سورة، %3، بقي نحو %4</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>توقف التنزيل: %1.</translation>
    </message>
</context>
</TS>
