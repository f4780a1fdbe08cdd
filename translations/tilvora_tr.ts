<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Kur’an okuyucu ve tilavet oynatıcı</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora başlatılamıyor.

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
        <translation>Ses dosyaları bulunamadı...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>%1 dosyası belirtilen klasörde yok...
Şu anki klasör: %2

Lütfen ses dosyaları için geçerli bir klasör belirtin (Denetim menüsü) ve programı öyle kullanın.</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - program numarası: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>Kayıtlı programlar arasında bu kâri için veritabanında veri yok...

Veritabanına verisi olmadan program ya da kâri eklenmiş!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>Belirtilen ses dosyasına erişilemiyor
Ses dosyaları klasörünün program klasöründe olduğundan emin olun!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>Bu ayetin kaydı yok</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>“%1” kârisinin %2 kaydı yok.

Denetim panelinde başka bir kâri seçin ya da Denetim &gt; Kayıt klasörünü belirle ile bu kârinin klasörünü belirleyin.</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>“%1” için ayet bulunamadı.</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>Bu seçim için gösterilecek ayet yok.</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
Belirtilen klasör geçersiz, açılamıyor...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>%1 klasörü yok.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 bir klasör değil.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>%1 klasörü açılamıyor: izin verilmedi.</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>%1:%2 diye bir ayet yok.</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>%1 - %2 aralığı başlamadan bitiyor.</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>İstek yerine getirilemedi: içerik veritabanı reddetti.
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>İstek yerine getirilemedi: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>Bu ayetin geçerli seste bir başlangıç konumu yok.</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>Ayetin başlangıç konumu &quot;%1&quot; bir saniye sayısı değil.</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>Bilinmeyen bir hata tilaveti durdurdu.</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>Tilavet bilinmeyen bir nedenle durdu.</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>Hız %1 ile %2 arasında bir sayı olmalı.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>&quot;%1&quot; bir sesin kimliği değil.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1, %2 ile %3 arasında bir tam sayı olmalı, &quot;%4&quot; değil.</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>Ayet tekrar sayısı</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>Aralık tekrar sayısı</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>Milisaniye cinsinden ara</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>İlk ayet &quot;%1&quot;, 2:255 gibi bir ayet numarası değil.</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Son ayet &quot;%1&quot;, 2:255 gibi bir ayet numarası değil.</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>Tekrar sayıları, ara ya da tekrarlama süresi sınırların dışında.</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>Bu içerik veritabanında mushaf sayfası yok.</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>Mushafta &quot;%1&quot; diye bir sayfa yok: sayfaları 1’den %2’ye kadar numaralı.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>&quot;%1&quot;, 2:255 gibi bir ayet numarası değil.</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>Mushafta %1. sayfa yok.</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>Bu içerik veritabanındaki mushaf sayfaları 1’den %1’e kadar numaralı değil.</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>Ana pencere hazırlanamadı. %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>%1 içerik veritabanı bulunamadı. Tilvora, DIC.DAT içerik veritabanına %2 uygulama klasöründe ihtiyaç duyar.</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>%1 dosyası bir Tilvora içerik veritabanı değil (%2).</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>%1 içerik veritabanı açılamıyor: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>%1 içerik veritabanına yazılamıyor (%2). Tilvora seçimlerinizi orada saklar; başka bir programın onu tutmadığından ve yazılabilir olduğundan emin olun, sonra yeniden başlatın.</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>%1 içerik veritabanında Tilvora’nın ihtiyaç duyduğu bir tablo ya da sütun eksik (%2).</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>%1 içerik dosyası bozuk (%2), bu yüzden Tilvora metinlerini okuyamıyor. Sağlam bir kopyası için Tilvora’yı yeniden kurun. Tilvora kendi klasörünüzden çalışıyorsa %3 dosyasını silmek yeterli: bir sonraki başlangıçta yeniden kopyalanır.</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>%1 içerik dosyası boş, bu yüzden Tilvora’nın gösterecek metni yok. Sağlam bir kopyası için Tilvora’yı yeniden kurun. Tilvora kendi klasörünüzden çalışıyorsa %2 dosyasını silmek yeterli: bir sonraki başlangıçta yeniden kopyalanır.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>%1 veritabanı dosyası yok.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 bir veritabanı dosyası değil.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>%1 veritabanı dosyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>Tilvora klasörünüz %1 kurulu içerikle güncellenemedi, bu yüzden Tilvora onu olduğu gibi kullanıyor. %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>Tilvora kendi klasörünüzü (%1) oluşturamadı. %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>Kurulu %1 klasöründe içerik veritabanı (DIC.DAT) yok.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>Başka bir Tilvora %1 klasörünü güncelliyor; bir dakika beklendi.</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>%1 yanında yeni bir klasör oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>%1 dosyasına yazılamıyor: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>Kurulu kayıtlara giden %1 bağlantısı oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>%1 içindeki ses klasörleri yeni içeriğe aktarılamıyor: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>Yeni klasör %1 klasörünün yerini alamıyor: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>%1 diye bir ses yok.</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>%1 sesinin kayıt klasörü yok.</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>%1 klasöründe %2. surenin kaydı yok (%3 veya %4).</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>%1. sure yok.</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>%1 sesinin %2. sure için kendi kayıtları var (%3 dışındaki dosyalar, %4 ayeti için); bulunan başlangıçlar onların üzerine kaydedilmedi.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>%1 içinde tilavet bulunamadı: yalnızca sessizlik ya da sabit gürültü var.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>%1 içinde tilavet bulunamadı: %2 kez duraklıyor, oysa surenin %3 ayetinin tilaveti en az %4 kez duraklar (kâri çoğu ayetin sonunda durur).</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>%1 kaydı okunamıyor.</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>Ses çözücü gst-launch-1.0 başlatılamadı; gstreamer1.0-tools paketiyle gelir.</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>%1 dosyası bir ses dosyası değil.</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>%1 kaydı çözülemedi: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>%1 kaydında ses yok.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>&quot;%1&quot; indirme yapılacak bir web adresi değil (http:// ya da https:// ile başlamalı).</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>İndirilecek sureler 1 ile 114 arasında, baştan sona olmalı; %1 ile %2 değil.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>%1 klasörü oluşturulamadı.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>diskte yer kalmadı</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>sunucu %1 yanıtını verdi</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>sunucu kayıt yerine bir sayfa (%1) gönderdi</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>sunucu %1 bayt bildirdi; bir ayet kaydının alabileceği %2 sınırından fazla</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>sunucu dosyayı yanlış yerden sürdürdü</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>bir ayet kaydının alabileceği %1 sınırından büyük</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>zaman aşımı</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>sunucu dosyayı sürdürmeyi reddetti</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>%2 baytın %1 baytı geldi</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>sunucu indirmeyi http ya da https olmayan bir adrese yönlendirdi</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>sunucu indirmeyi çok fazla kez başka yere yönlendirdi</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>sunucu yanıt vermeyi bıraktı</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>sunucuya ulaşılamıyor</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>sunucu çok yavaş</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>eksik geldi (son ses çerçevesi tamamlanmamış)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>gelen şey bir MP3 kaydı değil</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>yerine konamadı: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>bir surenin alabileceği %1 MB sınırından büyük</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>%1. sure: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>sunucu metin yerine bir web sayfası gönderdi</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>gelen şey hizmetin verisi değil</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>hizmet %1 yanıtını verdi</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>hizmetin yanıtında metin listesi yok</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>hizmet onun yerine %1. sureyi gönderdi</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>%1 ayeti var, surenin %2 ayeti var</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>ayet numaraları 1’den %1’e kadar, her biri bir kez değil</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>%1. ayetin metni yok</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>hizmet zamanında yanıt vermedi</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>hizmete ulaşılamıyor (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>Verileriniz %1 dosyasına yazılamadı: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>%1 dosyası okunamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 Tilvora verilerinizin dosyası değil (Dosya, Verilerimi dışa aktar ile yazılan türden). Hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 daha yeni bir Tilvora ile yazılmış; bu sürüm onun verilerini okuyamaz. Hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>kendi dosyanız %1 kullanılamıyor</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>kendi dosyanız şu anda değiştirilemiyor</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>kendi dosyanız değiştirilemedi</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>%1 içe aktarılamadı: %2. Hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>Ezberledikleriniz ve notlarınız saklanamıyor: %1 dosyası kullanılamıyor. Tilvora kapanana kadar kalırlar.</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>Yer imleriniz saklanamıyor: %1 dosyasına yazılamıyor. Şimdi eklenen yer imleri Tilvora kapanana kadar kalır.</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>Yer imi dosyanız okunamadı. %1 adıyla kenara kondu ve Tilvora yer imi olmadan başlıyor.</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>metin kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>metin kurulamadı: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Bütün Kur’an</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>Harekesiz Arapça ya da bir mealden kelimeler</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>Arapça harekesiz aranır; meallerde büyük küçük harf ayrımı yapılmaz</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>Her metnin her ayetinde ara; işaretsizse yalnızca gösterilen sayfada</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>Sure</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>Cüz</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>Kök (yaklaşık)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>Konu · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · Kelime</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>Bir sure göster</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>Bir cüz göster</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>Bir kökün ayetlerini göster (kökler kendiliğinden bulunur, yaklaşıktır)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>Bir konunun ayetlerini göster</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>Bir kelimeyi içeren ayetleri göster (harekesiz yazılır)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Cüz %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>%1. satırdaki metin</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>%1 kayıt klasörü</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 dk %2 sn</translation>
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
        <translation>  Gösterilen
  ayet yok</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln ayet
  gösteriliyor</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  Ayet
  bulunamadı</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln ayet
  bulundu</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  %1 bulundu,
  %2 gösteriliyor</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>Tilavet bitti. “%1” kaydı olmadığı için atlananlar: %2.</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>%1 için “%2” kaydı yok: atlandı, tilavet sürüyor.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>Ayarlarınız saklanamıyor: %1 bir dosya değil, klasör. Şimdi yaptığınız seçimler Tilvora kapanana kadar geçerli.</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>Ayarlarınız saklanamıyor: %1 dosyasına yazılamıyor. Şimdi yaptığınız seçimler Tilvora kapanana kadar geçerli.</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>Ayar dosyası %1 bozuk ve değiştirilemiyor; içindeki ayarların hepsi kullanılmıyor.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>Ayar dosyası %1 bozuktu. Okunabilen ayarlar korundu; diğerleri olağan değerlerine döndü.</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>&amp;Mushafta göster</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>Bu ayete &amp;yer imi koy</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>&amp;Ayeti kopyala</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>Ayet &amp;numarasını kopyala</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>&amp;Buradan oku</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>Bu ayeti &amp;tekrarla...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>Buradan &amp;şuraya kadar tekrarla...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;Not...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>Buradan &amp;dinle ve tekrarla...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Kur’an okuyucu ve tilavet oynatıcı</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>Çizimler ve program Tilvora geliştiricilerinindir. Meallerin çoğu yalnızca ticari olmayan kullanım içindir.</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora Kur’an’ı mealleriyle gösterir ve okur.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>Koru</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>Sure dosyalarında ayet başlangıçları</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>Sure dosyalarında ayet başlangıçları - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>Sure dosyaları aranıyor...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>Kontrol edilecek ayetler (başlangıçları düşük güvenle bulundu):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Ayet</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>Başlangıç (sn)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Güven</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> sn</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0,1 sn</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0,1 sn</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>Çevresini çal</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Başlangıç:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Durduruluyor...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>Hiç sure dosyası bulunamadı (001.mp3 ... 114.mp3 ya da .wma). %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>Bu kârinin %1 surelerinde %n ayet için kendi kayıtları var (örneğin her ayete bir dosya). Bunlar sure dosyalarında bulunan başlangıçlarla değiştirilsin mi?

Korursanız bu sureler olduğu gibi kalır.</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Sure %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>Kârinin kendi kayıtları korundu.</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>Hiçbir şey değişmedi: kâri kendi kayıtlarını koruyor.</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>%n surenin ayet başlangıçları aranıyor...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>Durduruldu: hiçbir şey kaydedilmedi.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>Durduruldu: %n sureden %1 tanesinin başlangıçları kaydedildi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>Bitti: %2 sureden %1 tanesinin başlangıçları kaydedildi; kontrol edilecek %n ayet var.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Başlangıç kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>%1:%2 ayeti artık %3 sn’de başlıyor.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>Metinlerimi ve kârimi &amp;hatırla</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— Hiçbiri —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 dk %2 sn</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 sa %2 dk</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>Tilavet indir</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 kbps)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>Başka bir adres...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (sure ve ayet)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (ayetin mushaftaki sıra numarası)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>-</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>Klasörü olmayan kâriye veri klasörünüzde bir klasör açılır.</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>Kâri:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Dosya adları:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Sureler:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>Doldurulacak kâri:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>Her ayet için bir dosya (SSSAAA.mp3) okuyan kâri yok; doldurulacak kâri yok.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>%1 klasörüne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%2 dosyadan %1, %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%2 dosyadan %1, %3, %4/sn</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%2 dosyadan %1, %3, %4/sn, yaklaşık %5 kaldı</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>İptal edildi. </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>İndirme durdu: %1. </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>%1 kaydedildi, %2 zaten vardı, %3 başarısız.</translation>
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
        <translation>%1 kaydı çalınamıyor: GStreamer’ın playbin bileşeni kurulu değil.</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>%1 kaydı açılamadı.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>bilinmeyen hata</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>%1 kaydı çalınamadı: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>Sistem dili</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora (sürüm %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>Denetim panelini genişletmek ya da daraltmak için sürükleyin; olağan genişlik için çift tıklayın</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>Sol ve Sağ onu kaydırır; Boşluk panellere olağan genişliklerini verir</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Denetim</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>Arama kutusuna git</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  Arama sonuçları:  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>Denetim menüsü</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>Panel ayırıcı</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;Denetim</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>Paneli &amp;gizle/göster</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>Kayıt &amp;klasörünü belirle</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Kâri %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>Tilavet &amp;indir...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çık</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>Beklenmeyen bir hata isteği durdurdu.</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>&amp;Metin indir...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>Geçerli bir klasör belirtin / seçin...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>Lütfen ses dosyaları klasörünü seçin:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>Bağlı birimler</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>Bu klasörde her sure için bir dosya var</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>Sure dosyalarında her ayetin başladığı yeri bul (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Kabul et</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>Klasör bulunamadı...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;Ezber</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>Bu sayfayı / ayetleri / sureyi &amp;ezberle...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>Bugünün &amp;tekrarı</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;İlerleme</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Unut...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>Günlük &amp;sınır...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>Bugünün &amp;tekrarı (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>Verilerimi &amp;dışa aktar...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>Verilerimi &amp;içe aktar...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;Notlar...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>Ezber</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>Bugün tekrar edilecek bir şey yok. Ezber, Ezberle ile bir sayfa alın.</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>%1. sayfanın notu dosyanıza kaydedilemedi.</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>Ezberlenecek ayetler dosyanıza kaydedilemedi.</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>Ayetler çıkarılamadı: dosyanız değiştirilemedi.</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Unut</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Ezberle</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Unut</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Ezberle</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>Artık %1 ezberliyorsunuz; bugün tekrar zamanı.</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>%1 ezberlediklerinizden çıkarılsın mı? Tekrar takvimi gider; tekrarlarının geçmişi kalır.</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 ezberlediklerinizden çıkarıldı.</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Günlük sınır</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>Günde en çok tekrar edilecek sayfa (1 - %1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>Günlük sınır dosyanıza kaydedilemedi.</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>Not dosyanıza kaydedilemedi.</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>Verileriniz %1 dosyasına yazıldı: %2 yer imi, %3 not, ezberlenmekte olan %4 ayet.</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>%1 dosyasından alındı: %2 yer imi, %3 not, ezberlenmekte olan %4 ayet, sizinkilerle birleştirildi; sizin hiçbir şeyiniz kaybolmadı.</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Verilerimi dışa aktar</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Tilvora verileri (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>Verilerimi içe aktar</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Tilvora verileri (*.json);;Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>&amp;Mushaf sayfaları</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>Sayfaya &amp;git...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>Metni &amp;gizle</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>Sonraki &amp;kelime</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>&amp;Satırın kalanı</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>&amp;Ayetin kalanı</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Tümü</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>Son kelimeyi yeniden &amp;gizle</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>Mushaf sayfaları</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Sayfaya git</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>Mushaf sayfası (1 - %1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>%1 üzerine not</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>Notunuz</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>Yazdığınız gibi kaydedilir. Boş bir not silinir.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>Notlarınız</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>Notlarınızda arayın</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Ayet</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>İlk satır</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Değişti</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Düzenle...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Ara:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>Çal</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sesi kapat</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>Önceki ayet</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>Sonraki ayet</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>Tekrar: her ayetin ve tüm aralığın kaç kez okunacağı ve aradaki duraklama</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> kez</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>durdurulana kadar</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Her ayet:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Tüm aralık:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Aradaki duraklama:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Hız</translation>
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
        <translation>Tekrar %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>Tekrar: her ayet %1 kez, aralık durdurulana kadar</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>Tekrar: her ayet %1 kez, aralık %2 kez</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>error</source>
        <translation>hata</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Sesi aç</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>Ezberlenen ayetler: %1 (ve ezberlenmekte olan %2).
Tamamı ezberlenen sayfalar: %3.
Art arda tekrar yapılan günler: %4.</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>Her cüzün ezberlenen payı ve önümüzdeki 14 günün her birinde tekrar zamanı gelen sayfalar</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>Her cüz: ayetlerinden ezberlediğiniz pay</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>Önümüzdeki 14 günün her birinde tekrar zamanı gelen sayfalar</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>Mushaftan bir sayfa</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>Bir ayet aralığı</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>Bir sure</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>Bir cüz</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>sure:ayet</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Ne:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Numara:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;Başlangıç ayeti:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>&amp;Bitiş ayeti:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>%1. sayfa</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>%1. sure</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>%1. cüz</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>%1 ile %2 arasındaki ayetler</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>Bu sayfada başlayan ayet yok.</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>Ayetler %1 ile daha sonraki bir ayet arasında olmalı.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>Arapça &amp;yazı tipi</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>Metnin belirlediği</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Gerçek boyut</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>&amp;Sonraki sonuç</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>&amp;Önceki sonuç</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Yer imleri</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>&amp;En üstteki ayete yer imi koy</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>Yer imini &amp;kaldır</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>%1 yer imi kaldırılmadı: %2.</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>%1 için yer iminiz kaydedilmedi: %2.</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>Sepya</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>Burada yer imi konacak ayet yok.</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>%1 için yer imi kondu (Yer imleri menüsü).</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1 için zaten yer imi var.</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>Okumayı bıraktığınız yer (%1) kaydedilmedi: %2.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Sure %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>%1 ayetinden şuraya kadar tekrarla...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>%1 ayetini tekrarla</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>sure:ayet, ör. 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>%1 ayetinden şu ayete:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> kez</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>durdurulana kadar</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Her ayet:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>Ayet:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Tüm aralık:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Aradaki duraklama:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>Oku</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>Ayetin sürdüğü kadar, %1 katı</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>Her ayeti geri söyleme süresi:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>Bugünün tekrarı</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>Sayfayı ezberden okuyun, sonra açın ve ne kadar iyi bildiğinizi notlayın.</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Sonraki kelime</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>Satırın kalanı</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>Bir kelimeyi yeniden gizle</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Geri silme</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Yeniden</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>İyi</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>Sayfayı dinle</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>Ne kadar iyi biliyordunuz?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>Sayfa %1 (%2 / %3)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>Bugün tekrar edilecek bir şey yok.</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>Tekrar bitti. Notlanan sayfalar: %1.</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>Yeniden %1, zor %2, iyi %3, kolay %4.</translation>
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
        <translation>İlerleme göstergesi</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Yükleniyor, lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>Kur’an metni: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>Sürüm: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>Metin indir</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>Listeyi &amp;getir</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>Mealler ve tefsirler</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Mealler</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>Tefsirler</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>Hizmet adresi:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Göster:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>İndirilecek metinler</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;İndir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>Metin listesi %1 adresinden getiriliyor...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>Hizmet %n metin sunuyor.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>Metin listesi getirilemedi: %1. Bunun yerine Tilvora’nın adıyla bildiği metinler gösteriliyor; yukarıdaki adres yanıt verdiğinde oradan indirilirler.</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Tüm diller</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Kurulu</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>Adıyla biliniyor</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>Kurulu, adıyla biliniyor</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Tefsir</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 indiriliyor...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 kaldırılamadı: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>%1 kaldırıldı.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%2 sureden %1, %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>Kuruldu, %1 ayet (%2). Kontrol bölmesinin bir satırında seçin.</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>İptal edildi. Getirilen sureler saklandı; İndir oradan devam eder.</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>Kurulmadı: %1 numaralı sureler başarısız oldu. Yalnızca eksikleri getirmek için yeniden indirin.</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>Kurulmadı. Yalnızca eksikleri getirmek için yeniden indirin.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%2 sureden %1, %3, yaklaşık %4 kaldı</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>İndirme durdu: %1.</translation>
    </message>
</context>
</TS>
